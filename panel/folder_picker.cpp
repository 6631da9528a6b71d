#include "panel/folder_picker.h"

#include "core/text.h"
#include "panel/panel_texts.h"

namespace fdt {

FolderPicker::FolderPicker(BrowseDialog& dialog) : dialog_(dialog) {}

std::string FolderPicker::pick(const PickOptions& options) {
  BrowseRequest request;
  request.title = options.title.value_or(texts::kPickerTitle);
  if (options.editBox) request.flags |= kBrowseEditBox;
  if (options.newStyle) request.flags |= kBrowseNewDialogStyle;
  if (options.includeFiles) request.flags |= kBrowseIncludeFiles;
  request.initialFolder = options.initialFolder;
  return trimSpaces(dialog_.browse(request), TrimSide::Both);
}

}  // namespace fdt
