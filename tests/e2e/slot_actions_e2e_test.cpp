// A slot box press, a browse button and the help button on the real program:
// what the shell opens, what the browse dialog stores, the modal help window.
#include <windows.h>

#include <commctrl.h>
#include <shlobj.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "help/help_texts.h"
#include "running_panel.h"

namespace fdt::test {
namespace {

// Long enough for a machine busy with other builds; every wait ends as soon
// as its condition holds.
constexpr DWORD kPatienceMs = 20000;

constexpr char kOpened[] = "目前状态：打开指定目录";
constexpr char kConfiguring[] = "目前状态：点击>>>设置文件夹";

// The pointer away from the panel before it starts: with the pointer left on
// a slot box by an earlier test, the next panel's first click was seen lost.
void parkPointer() { moveMouse(900, 700); }

// Under load the first click after the program's start was seen lost. The
// radio of the scheme already selected is safe to click again (it rewrites
// the same choice and sets the status), so it is clicked until it answers.
bool readyForInput(const RunningPanel& app, int selectedScheme) {
  const std::string answer = "目前状态：选择方案" + std::to_string(selectedScheme);
  return waitFor([&] {
    if (app.status() == answer) return true;
    app.click(app.radio(selectedScheme));
    return waitFor([&] { return app.status() == answer; }, 2000);
  }, kPatienceMs);
}

std::string shownSchemeOne(const std::string& slotLines) {
  return "[方案]\r\nshow=yes\r\nproject=1\r\n[我的文件夹]\r\n" + slotLines;
}

// A top-level window of the process with that title, once visible.
HWND findTitledWindow(DWORD processId, const std::string& title) {
  struct Search {
    DWORD processId;
    const std::string* title;
    HWND found;
  } search = {processId, &title, nullptr};
  waitFor([&] {
    EnumWindows(
        [](HWND window, LPARAM param) -> BOOL {
          auto* search = reinterpret_cast<Search*>(param);
          DWORD owner = 0;
          GetWindowThreadProcessId(window, &owner);
          if (owner != search->processId || !IsWindowVisible(window) ||
              windowText(window) != *search->title)
            return TRUE;
          search->found = window;
          return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found != nullptr;
  }, kPatienceMs);
  return search.found;
}

// The file browser the shell opened for a folder, closed and waited for, so
// that no shell process outlives the test. A close request that comes while
// the browser still starts up can be lost, so it is repeated.
bool closeShellBrowser(const std::string& title) {
  HWND browser = nullptr;
  waitFor([&] { return (browser = FindWindowA("ExplorerWClass", title.c_str())) != nullptr; }, kPatienceMs);
  if (!browser) return false;
  return waitFor([&] {
    if (!IsWindow(browser)) return true;
    PostMessageA(browser, WM_CLOSE, 0, 0);
    return false;
  }, kPatienceMs);
}

TEST(SlotActionsE2ETest, PressOnASlotBoxOpensItsFolderAndTellsSo) {
  TempDir folders;
  const std::string folder = folders.makeDir("常用目录");
  parkPointer();
  RunningPanel app(shownSchemeOne("3=" + folder + "\r\n"));
  ASSERT_TRUE(readyForInput(app, 1));
  const std::string ini = app.iniBytes();
  ASSERT_EQ(windowText(app.slotBox(3)), folder);
  app.click(app.slotBox(3));
  EXPECT_TRUE(waitFor([&] { return app.status() == kOpened; }, kPatienceMs));
  EXPECT_TRUE(closeShellBrowser("常用目录"));
  EXPECT_EQ(app.iniBytes(), ini);
}

TEST(SlotActionsE2ETest, PressOnASlotWhoseFolderIsGoneTellsTheSame) {
  parkPointer();
  RunningPanel app(shownSchemeOne("5=C:\\没有这个目录\r\n"));
  ASSERT_TRUE(readyForInput(app, 1));
  app.click(app.slotBox(5));
  EXPECT_TRUE(waitFor([&] { return app.status() == kOpened; }, kPatienceMs));
}

// Memory inside the program's process, for the messages whose parameters
// point at data: they are not carried across processes.
class RemoteMemory {
 public:
  RemoteMemory(DWORD processId, SIZE_T size)
      : process_(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE,
                             processId)),
        address_(VirtualAllocEx(process_, nullptr, size, MEM_COMMIT, PAGE_READWRITE)) {}
  ~RemoteMemory() {
    VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    CloseHandle(process_);
  }
  RemoteMemory(const RemoteMemory&) = delete;
  RemoteMemory& operator=(const RemoteMemory&) = delete;

  char* at(SIZE_T offset) const { return static_cast<char*>(address_) + offset; }
  void write(SIZE_T offset, const void* bytes, SIZE_T size) const {
    WriteProcessMemory(process_, at(offset), bytes, size, nullptr);
  }
  void read(SIZE_T offset, void* bytes, SIZE_T size) const {
    ReadProcessMemory(process_, at(offset), bytes, size, nullptr);
  }

 private:
  HANDLE process_;
  void* address_;
};

LRESULT sendTo(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 5000, &result);
  return static_cast<LRESULT>(result);
}

// The browse dialog the program shows, answered from this process.
class BrowseDialogUser {
 public:
  explicit BrowseDialogUser(const RunningPanel& app)
      : memory_(app.processId(), 4096), dialog_(findProcessWindow(app.processId(), "#32770", kPatienceMs)) {}

  HWND dialog() const { return dialog_; }

  // Selects the folder until the tree shows it (an early selection can land
  // on an ancestor while the tree fills), then presses OK.
  bool choose(const std::string& folder) {
    const std::string name = folder.substr(folder.rfind('\\') + 1);
    memory_.write(kPathOffset, folder.c_str(), folder.size() + 1);
    const bool selected = waitFor([&] {
      if (selectedTreeText() == name) return true;
      sendTo(dialog_, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(memory_.at(kPathOffset)));
      return false;
    }, kPatienceMs);
    press(IDOK);
    return selected;
  }
  void press(int button) { sendTo(GetDlgItem(dialog_, button), BM_CLICK, 0, 0); }

 private:
  static constexpr SIZE_T kPathOffset = 0;
  static constexpr SIZE_T kItemOffset = 1024;
  static constexpr SIZE_T kTextOffset = 2048;

  std::string selectedTreeText() const {
    HWND tree = FindWindowExA(dialog_, nullptr, WC_TREEVIEWA, nullptr);
    if (!tree) return std::string();
    TVITEMA item = {};
    item.mask = TVIF_TEXT;
    item.hItem = reinterpret_cast<HTREEITEM>(sendTo(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
    item.pszText = memory_.at(kTextOffset);
    item.cchTextMax = MAX_PATH;
    if (!item.hItem) return std::string();
    memory_.write(kItemOffset, &item, sizeof item);
    if (!sendTo(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(memory_.at(kItemOffset))))
      return std::string();
    char text[MAX_PATH + 1] = {};
    memory_.read(kTextOffset, text, MAX_PATH);
    return text;
  }

  RemoteMemory memory_;
  HWND dialog_;
};

class BrowseE2ETest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Scheme 2 checked: the browse buttons store into scheme 2's keys.
    parkPointer();
    app.emplace("[方案]\r\nshow=yes\r\nproject=2\r\n[我的文件夹]\r\n14=D:\\旧\r\n");
    ASSERT_TRUE(readyForInput(*app, 2));
    app->click(app->button(11));
    ASSERT_TRUE(waitFor([&] { return app->status() == kConfiguring; }, kPatienceMs));
    before = app->iniBytes();
    app->click(app->button(4));
  }
  std::optional<RunningPanel> app;
  std::string before;
};

TEST_F(BrowseE2ETest, ChosenFolderGoesIntoTheSlotBoxAndTheCheckedScheme) {
  TempDir folders;
  const std::string folder = folders.makeDir("新的目录");
  BrowseDialogUser user(*app);
  ASSERT_NE(user.dialog(), nullptr);
  EXPECT_EQ(GetWindow(user.dialog(), GW_OWNER), nullptr);
  EXPECT_TRUE(IsWindowEnabled(app->panel())) << "the dialog has no owner, so the panel stays usable";
  EXPECT_TRUE(user.choose(folder));
  EXPECT_TRUE(waitFor([&] { return windowText(app->slotBox(4)) == folder; }, kPatienceMs));
  EXPECT_TRUE(waitFor([&] {
    return app->iniBytes() == "[方案]\r\nshow=yes\r\nproject=2\r\n[我的文件夹]\r\n14=" + folder + "\r\n";
  }));
  EXPECT_EQ(app->status(), kConfiguring);
}

TEST_F(BrowseE2ETest, CancelLeavesSlotBoxFileAndStatusAsTheyWere) {
  BrowseDialogUser user(*app);
  ASSERT_NE(user.dialog(), nullptr);
  user.press(IDCANCEL);
  ASSERT_TRUE(waitFor([&] { return !IsWindow(user.dialog()); }, kPatienceMs));
  EXPECT_EQ(windowText(app->slotBox(4)), "D:\\旧");
  EXPECT_EQ(app->iniBytes(), before);
  EXPECT_EQ(app->status(), kConfiguring);
}

TEST(HelpE2ETest, HelpWindowIsModalWhileThePanelsTimersRunAndEscClosesIt) {
  // Auto-hide mode, with the pointer on the panel (on its status label, away
  // from the slot boxes) from the start, so that it stays in view until the
  // help window is open.
  moveMouse(512, 600);
  RunningPanel app("[方案]\r\nshow=no\r\nproject=1\r\n");
  ASSERT_TRUE(readyForInput(app, 1));
  app.click(app.button(12));
  HWND help = findTitledWindow(app.processId(), "帮助");
  ASSERT_NE(help, nullptr);
  RECT rect{};
  GetWindowRect(help, &rect);
  EXPECT_EQ(rect.left, 353);
  EXPECT_EQ(rect.top, 260);
  EXPECT_EQ(rect.right - rect.left, 318);
  EXPECT_EQ(rect.bottom - rect.top, 248);
  EXPECT_EQ(GetWindow(help, GW_OWNER), GetWindow(app.panel(), GW_OWNER));
  EXPECT_EQ(windowText(FindWindowExA(help, nullptr, "Edit", nullptr)), texts::kHelpText);
  EXPECT_FALSE(IsWindowEnabled(app.panel()));

  // On the help window but off the panel: the hide timer moves the panel away.
  moveMouse(370, 300);
  EXPECT_TRUE(waitFor([&] {
    RECT panel{};
    GetWindowRect(app.panel(), &panel);
    return panel.left == -(panel.right - panel.left);
  }, kPatienceMs));

  pressKey("Escape");
  EXPECT_TRUE(waitFor([&] { return !IsWindow(help); }, kPatienceMs));
  EXPECT_TRUE(IsWindowEnabled(app.panel()));
  EXPECT_EQ(app.waitForExit(0), STILL_ACTIVE);
}

}  // namespace
}  // namespace fdt::test
