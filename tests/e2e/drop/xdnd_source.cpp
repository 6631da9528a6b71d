#include "xdnd_source.h"

namespace fdt::test {
namespace {

std::wstring wideOf(const std::string& text, UINT codePage) {
  std::wstring out(MultiByteToWideChar(codePage, 0, text.c_str(), -1, nullptr, 0), L'\0');
  MultiByteToWideChar(codePage, 0, text.c_str(), -1, out.data(), static_cast<int>(out.size()));
  out.pop_back();
  return out;
}

std::string ansiOf(const std::wstring& text) {
  std::string out(WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr), '\0');
  WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, out.data(), static_cast<int>(out.size()), nullptr,
                      nullptr);
  out.pop_back();
  return out;
}

// The Unix path an X client must name for a path of the program's drives,
// by Wine's own mapping, in the ANSI code page for a command line.
std::string unixPathOf(const std::string& path) {
  using ToUnix = char*(CDECL*)(const WCHAR*);
  const auto toUnix = reinterpret_cast<ToUnix>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
  char* unixPath = toUnix(wideOf(path, CP_ACP).c_str());
  const std::string result = ansiOf(wideOf(unixPath, CP_UTF8));
  HeapFree(GetProcessHeap(), 0, unixPath);
  return result;
}

}  // namespace

void dropFiles(POINT at, const std::vector<std::string>& paths) {
  std::string command = "Z:" FDT_XDND_DROP_UNIX_PATH " " + std::to_string(at.x) + " " + std::to_string(at.y);
  for (char& c : command)
    if (c == '/') c = '\\';
  for (const std::string& path : paths) command += " \"" + unixPathOf(path) + "\"";
  runHostCommand(command);
}

}  // namespace fdt::test
