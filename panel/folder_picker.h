// Choosing a folder with the shell's browse dialog: the caller's options
// become the dialog's title and flags, and the path it gives back is trimmed.
#pragma once

#include <optional>
#include <string>

namespace fdt {

// The dialog's flag bits, as the shell defines them.
inline constexpr unsigned kBrowseEditBox = 0x10;
inline constexpr unsigned kBrowseNewDialogStyle = 0x40;
inline constexpr unsigned kBrowseIncludeFiles = 0x4000;

struct BrowseRequest {
  std::string title;
  unsigned flags = 0;
  std::optional<std::string> initialFolder;  // preselected when the dialog opens
};

class BrowseDialog {
 public:
  virtual ~BrowseDialog() = default;
  // The chosen item's file-system path as the shell wrote it, or "" after a
  // cancel or for an item that has no file-system path.
  virtual std::string browse(const BrowseRequest& request) = 0;
};

// Every field is optional; the panel's browse buttons give none.
struct PickOptions {
  std::optional<std::string> initialFolder;
  std::optional<std::string> title;
  bool includeFiles = false;
  bool editBox = false;
  bool newStyle = true;
};

class FolderPicker {
 public:
  explicit FolderPicker(BrowseDialog& dialog);

  // The chosen folder without spaces at either end, or "".
  std::string pick(const PickOptions& options = {});

 private:
  BrowseDialog& dialog_;
};

}  // namespace fdt
