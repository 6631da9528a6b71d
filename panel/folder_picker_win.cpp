#include "panel/folder_picker_win.h"

#include <shlobj.h>

#include <optional>

namespace fdt {
namespace {

static_assert(kBrowseEditBox == BIF_EDITBOX && kBrowseNewDialogStyle == BIF_NEWDIALOGSTYLE &&
              kBrowseIncludeFiles == BIF_BROWSEINCLUDEFILES);

constexpr int kPathBufferSize = 512;

// The folder to preselect, read by the dialog's callback. It stays until the
// next browse replaces it.
std::optional<std::string>& initialFolderHolder() {
  static std::optional<std::string> folder;
  return folder;
}

int CALLBACK dialogCallback(HWND dialog, UINT message, LPARAM, LPARAM) {
  if (message == BFFM_INITIALIZED) {
    const auto& folder = initialFolderHolder();
    SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE,
                 reinterpret_cast<LPARAM>(folder ? folder->c_str() : nullptr));
  }
  return 0;
}

}  // namespace

std::string ShellBrowseDialog::browse(const BrowseRequest& request) {
  BROWSEINFOA info = {};
  info.lpszTitle = request.title.c_str();
  info.ulFlags = request.flags;
  info.lpfn = dialogCallback;
  char path[kPathBufferSize + 1] = {};
  initialFolderHolder() = request.initialFolder;

  PIDLIST_ABSOLUTE item = SHBrowseForFolderA(&info);
  if (!item) return std::string();
  // A virtual folder has no file-system path; that counts as no choice.
  const bool hasPath = SHGetPathFromIDListA(item, path);
  CoTaskMemFree(item);
  return hasPath ? std::string(path) : std::string();
}

}  // namespace fdt
