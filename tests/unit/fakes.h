// In-memory stand-ins for the profile and the panel, sharing one event log so
// that tests can check the order of reads, writes and view changes.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "core/profile.h"
#include "panel/panel_view.h"

namespace fdt::test {

using Log = std::vector<std::string>;

class MemoryProfile final : public Profile {
 public:
  explicit MemoryProfile(Log& log) : log_(log) {}

  std::string read(const std::string& path, const std::string& section, const std::string& key,
                   const std::string& fallback, std::size_t bufferSize) override {
    log_.push_back("read " + section + "/" + key);
    lastPath = path;
    lastBufferSize = bufferSize;
    auto found = values_.find({section, key});
    std::string value = found == values_.end() ? fallback : found->second;
    return value.substr(0, bufferSize - 1);
  }

  bool write(const std::string& path, const std::string& section, const std::string& key,
             const std::string& value) override {
    log_.push_back("write " + section + "/" + key + "=" + value);
    lastPath = path;
    if (readOnly) return false;
    values_[{section, key}] = value;
    return true;
  }

  void set(const std::string& section, const std::string& key, const std::string& value) {
    values_[{section, key}] = value;
  }
  bool has(const std::string& section, const std::string& key) const {
    return values_.count({section, key}) != 0;
  }
  std::string get(const std::string& section, const std::string& key) const {
    return values_.at({section, key});
  }
  std::size_t size() const { return values_.size(); }

  std::string lastPath;
  std::size_t lastBufferSize = 0;
  bool readOnly = false;

 private:
  Log& log_;
  std::map<std::pair<std::string, std::string>, std::string> values_;
};

class FakePanelView final : public PanelView {
 public:
  explicit FakePanelView(Log& log) : log_(log) {}

  std::string slotText(int slot) const override { return slots[slot - 1]; }
  void setSlotText(int slot, const std::string& text) override {
    log_.push_back("slot " + std::to_string(slot) + "=" + text);
    slots[slot - 1] = text;
  }
  bool radioChecked(Radio radio) const override {
    auto found = checks.find(radio);
    return found != checks.end() && found->second;
  }
  void setRadioChecked(Radio radio, bool checked) override { checks[radio] = checked; }
  std::string configCaption() const override { return caption; }
  void setConfigCaption(const std::string& text) override {
    log_.push_back("caption=" + text);
    caption = text;
  }
  void setStatusText(const std::string& text) override {
    log_.push_back("status=" + text);
    status = text;
  }
  void setPanelWidth(int value) override {
    log_.push_back("width=" + std::to_string(value));
    width = value;
  }

  std::string slots[10];
  std::map<Radio, bool> checks;
  std::string caption = "配置";
  std::string status;
  int width = 180;

 private:
  Log& log_;
};

}  // namespace fdt::test
