#include "core/settings_file.h"

#include "core/settings_names.h"
#include "core/text.h"

namespace fdt {

std::string runDirectoryOf(const std::string& exePath) { return cutBeforeLastBackslash(exePath); }

SettingsFile::SettingsFile(Profile& profile, std::string runDirectory)
    : profile_(profile), runDirectory_(std::move(runDirectory)) {}

std::string SettingsFile::path() const { return runDirectory_ + settings::kFileName; }

std::string SettingsFile::read(const std::string& section, const std::string& key,
                               const std::string& fallback) const {
  const std::string file = skipLeadingControlAndSpace(path());
  const std::string trimmedSection = skipLeadingControlAndSpace(section);
  const std::string trimmedKey = skipLeadingControlAndSpace(key);
  if (file.empty() || trimmedSection.empty() || trimmedKey.empty()) return std::string();
  return profile_.read(file, trimmedSection, trimmedKey, fallback, kValueBufferSize);
}

bool SettingsFile::write(const std::string& section, const std::string& key,
                         const std::string& value) {
  return profile_.write(path(), section, key, value);
}

}  // namespace fdt
