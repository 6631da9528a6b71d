// Stand-ins for the shell: a launcher and a browse dialog that log what they
// are asked into the shared event log and answer as the test sets.
#pragma once

#include <string>
#include <vector>

#include "fakes.h"
#include "panel/folder_picker.h"
#include "panel/launcher.h"

namespace fdt::test {

class FakeLauncher final : public Launcher {
 public:
  explicit FakeLauncher(Log& log) : log_(log) {}
  bool open(const std::string& target) override {
    log_.push_back("open " + target);
    return result;
  }
  bool result = true;

 private:
  Log& log_;
};

class FakeBrowseDialog final : public BrowseDialog {
 public:
  std::string browse(const BrowseRequest& request) override {
    requests.push_back(request);
    return answer;
  }
  std::string answer;
  std::vector<BrowseRequest> requests;
};

}  // namespace fdt::test
