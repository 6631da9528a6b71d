#include "panel/dock_panel_win.h"

#include <commctrl.h>

#include <vector>

#include "panel/panel_layout.h"
#include "panel/panel_texts.h"
#include "platform/label_win.h"

namespace fdt {
namespace {

constexpr char kPanelClass[] = "FeidangtongPanel";
constexpr char kOwnerClass[] = "FeidangtongOwner";
constexpr COLORREF kStatusColour = RGB(255, 0, 0);
constexpr COLORREF kTextColour = RGB(0, 0, 0);
constexpr COLORREF kSlotBackground = RGB(255, 255, 255);

void registerClasses(HINSTANCE instance, WNDPROC panelProc) {
  WNDCLASSA existing;
  if (GetClassInfoA(instance, kPanelClass, &existing)) return;
  WNDCLASSA panelClass = {};
  panelClass.style = CS_DBLCLKS;
  panelClass.lpfnWndProc = panelProc;
  panelClass.hInstance = instance;
  panelClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  panelClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  panelClass.lpszClassName = kPanelClass;
  RegisterClassA(&panelClass);

  WNDCLASSA ownerClass = {};
  ownerClass.lpfnWndProc = DefWindowProcA;
  ownerClass.hInstance = instance;
  ownerClass.lpszClassName = kOwnerClass;
  RegisterClassA(&ownerClass);
}

std::string windowText(HWND window) {
  std::vector<char> buffer(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
  GetWindowTextA(window, buffer.data(), static_cast<int>(buffer.size()));
  return buffer.data();
}

HMENU idOf(int id) { return reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)); }

}  // namespace

DockPanelWindow::DockPanelWindow(HINSTANCE instance, PanelEvents& events)
    : instance_(instance), events_(events), whiteBrush_(CreateSolidBrush(kSlotBackground)) {}

DockPanelWindow::~DockPanelWindow() {
  if (IsWindow(panel_)) DestroyWindow(panel_);
  if (IsWindow(owner_)) DestroyWindow(owner_);
  DeleteObject(whiteBrush_);
}

void DockPanelWindow::create(HICON largeIcon, HICON smallIcon, const std::string& contactLine) {
  registerClasses(instance_, panelProc);
  // A hidden tool window as owner keeps the panel off the task bar.
  owner_ = CreateWindowExA(WS_EX_TOOLWINDOW, kOwnerClass, "", WS_POPUP, 0, 0, 0, 0, nullptr,
                           nullptr, instance_, nullptr);
  const int left = centredStart(GetSystemMetrics(SM_CXSCREEN), layout::kPanelWidth);
  const int top = centredStart(GetSystemMetrics(SM_CYSCREEN), layout::kPanelHeight);
  panel_ = CreateWindowExA(WS_EX_TOPMOST, kPanelClass, texts::kPanelTitle,
                           WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, left, top,
                           layout::kPanelWidth, layout::kPanelHeight, owner_, nullptr, instance_, this);
  SendMessageA(panel_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  SendMessageA(panel_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(largeIcon));
  SendMessageA(panel_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon));
  SetWindowPos(panel_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  createControls(contactLine);
  events_.created();
  if (IsWindow(panel_)) ShowWindow(panel_, SW_SHOW);
}

void DockPanelWindow::createControls(const std::string& contactLine) {
  for (const layout::Control& entry : layout::kControls) {
    HWND parent = entry.parentId == 0 ? panel_ : control(entry.parentId);
    const RECT place{entry.x, entry.y, entry.x + entry.width, entry.y + entry.height};
    const DWORD tabStop = entry.tabStop ? WS_TABSTOP : 0;
    const DWORD visibleChild = WS_CHILD | WS_VISIBLE | tabStop;
    HWND window = nullptr;
    switch (entry.kind) {
      case layout::Kind::Radio:
        window = CreateWindowExA(0, "Button", entry.text,
                                 visibleChild | BS_AUTORADIOBUTTON | BS_MULTILINE | BS_LEFT | BS_VCENTER,
                                 entry.x, entry.y, entry.width, entry.height, parent, idOf(entry.id), instance_, nullptr);
        break;
      case layout::Kind::PushButton:
        window = CreateWindowExA(0, "Button", entry.text,
                                 visibleChild | BS_PUSHBUTTON | BS_MULTILINE | BS_CENTER | BS_VCENTER,
                                 entry.x, entry.y, entry.width, entry.height, parent, idOf(entry.id), instance_, nullptr);
        break;
      case layout::Kind::GroupBox:
        // Control parent: dialog navigation reaches the radios inside.
        window = CreateWindowExA(WS_EX_CONTROLPARENT, "Button", entry.text, visibleChild | BS_GROUPBOX,
                                 entry.x, entry.y, entry.width, entry.height, parent, idOf(entry.id), instance_, nullptr);
        break;
      case layout::Kind::SlotBox:
        window = CreateWindowExA(WS_EX_CLIENTEDGE, "Edit", entry.text,
                                 visibleChild | ES_LEFT | ES_AUTOHSCROLL | ES_READONLY,
                                 entry.x, entry.y, entry.width, entry.height, parent, idOf(entry.id), instance_, nullptr);
        break;
      case layout::Kind::Label:
        window = entry.id == layout::kStatusLabel
                     ? createLabel(instance_, parent, entry.id, place, kStatusColour, LabelAlign::Centred)
                     : createLabel(instance_, parent, entry.id, place, kTextColour, LabelAlign::CentredTop);
        if (entry.id == layout::kContactLabel) SetWindowTextA(window, contactLine.c_str());
        break;
    }
    SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    if (entry.kind == layout::Kind::SlotBox || entry.kind == layout::Kind::GroupBox)
      SetWindowSubclass(window, controlProc, static_cast<UINT_PTR>(entry.id), reinterpret_cast<DWORD_PTR>(this));
  }
}

HWND DockPanelWindow::control(int id) const {
  for (const layout::Control& entry : layout::kControls) {
    if (entry.id != id) continue;
    HWND parent = entry.parentId == 0 ? panel_ : control(entry.parentId);
    return GetDlgItem(parent, id);
  }
  return nullptr;
}

HWND DockPanelWindow::slotBox(int slot) const { return control(layout::slotBoxId(slot)); }
HWND DockPanelWindow::radioWindow(Radio radio) const { return control(layout::radioId(static_cast<int>(radio))); }

std::string DockPanelWindow::slotText(int slot) const { return windowText(slotBox(slot)); }

void DockPanelWindow::setSlotText(int slot, const std::string& text) {
  SetWindowTextA(slotBox(slot), text.c_str());
}

bool DockPanelWindow::radioChecked(Radio radio) const {
  return SendMessageA(radioWindow(radio), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void DockPanelWindow::setRadioChecked(Radio radio, bool checked) {
  // Some button implementations uncheck the rest of an automatic radio's
  // group on BM_SETCHECK and move its tab stop; the program sets one radio
  // alone, so the check is set while the radio is a plain one.
  HWND button = radioWindow(radio);
  const LONG_PTR style = GetWindowLongPtrA(button, GWL_STYLE);
  SetWindowLongPtrA(button, GWL_STYLE, (style & ~static_cast<LONG_PTR>(BS_TYPEMASK)) | BS_RADIOBUTTON);
  SendMessageA(button, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  SetWindowLongPtrA(button, GWL_STYLE, style);
}

std::string DockPanelWindow::configCaption() const { return windowText(control(layout::kConfigButton)); }

void DockPanelWindow::setConfigCaption(const std::string& caption) {
  SetWindowTextA(control(layout::kConfigButton), caption.c_str());
}

void DockPanelWindow::setStatusText(const std::string& text) {
  SetWindowTextA(control(layout::kStatusLabel), text.c_str());
}

DockRect DockPanelWindow::outerRect() const {
  RECT rect{};
  GetWindowRect(panel_, &rect);
  return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

void DockPanelWindow::setLeft(int left) {
  const DockRect now = outerRect();
  MoveWindow(panel_, clampPosition(left), now.top, now.width, now.height, TRUE);
}

void DockPanelWindow::setTop(int top) {
  const DockRect now = outerRect();
  MoveWindow(panel_, now.left, clampPosition(top), now.width, now.height, TRUE);
}

void DockPanelWindow::setPanelWidth(int width) { resize(clampSize(width), outerRect().height); }
void DockPanelWindow::setHeight(int height) { resize(outerRect().width, clampSize(height)); }

void DockPanelWindow::resize(int width, int height) {
  SetWindowPos(panel_, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void DockPanelWindow::setTimerPeriod(int timer, int period) {
  TimerPeriod& state = timer == kHideTimer ? hideTimer_ : edgeTimer_;
  switch (state.set(period)) {
    case TimerPeriod::Change::None:
      break;
    case TimerPeriod::Change::Stop:
      KillTimer(panel_, static_cast<UINT_PTR>(timer));
      break;
    case TimerPeriod::Change::Restart:
      KillTimer(panel_, static_cast<UINT_PTR>(timer));
      SetTimer(panel_, static_cast<UINT_PTR>(timer), static_cast<UINT>(state.period()), nullptr);
      break;
  }
}

LRESULT CALLBACK DockPanelWindow::panelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<DockPanelWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    self->panel_ = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<DockPanelWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (message == WM_NCDESTROY) SetWindowLongPtrA(window, GWLP_USERDATA, 0);
  return self ? self->handle(message, wParam, lParam) : DefWindowProcA(window, message, wParam, lParam);
}

LRESULT DockPanelWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wParam) == IDCANCEL && lParam == 0) {  // Esc, through dialog navigation
        PostMessageA(panel_, WM_CLOSE, 0, 0);
        return 0;
      }
      if (HIWORD(wParam) == BN_CLICKED && lParam != 0) events_.clicked(LOWORD(wParam));
      return 0;
    case WM_MOUSEMOVE:
      events_.mouseMoved();
      break;
    case WM_LBUTTONDBLCLK:
      events_.doubleClicked();
      break;
    case WM_TIMER:
      events_.timerElapsed(static_cast<int>(wParam));
      return 0;
    case WM_NCACTIVATE:
      // Keeps the active title bar while enabled, as a dock that is always at hand.
      if (!wParam) wParam = IsWindowEnabled(panel_);
      break;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
      return colourControl(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_DESTROY:
      events_.willBeDestroyed();
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcA(panel_, message, wParam, lParam);
}

LRESULT DockPanelWindow::colourControl(HDC dc, HWND control) {
  const int id = GetDlgCtrlID(control);
  SetTextColor(dc, kTextColour);
  if (id > layout::kSlotBoxBase && id <= layout::kSlotBoxBase + 10) {
    SetBkColor(dc, kSlotBackground);
    return reinterpret_cast<LRESULT>(whiteBrush_);
  }
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

LRESULT CALLBACK DockPanelWindow::controlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                              UINT_PTR id, DWORD_PTR self) noexcept {
  if (message == WM_NCDESTROY) RemoveWindowSubclass(window, controlProc, id);
  return reinterpret_cast<DockPanelWindow*>(self)->handleControl(window, static_cast<int>(id), message,
                                                                 wParam, lParam);
}

LRESULT DockPanelWindow::handleControl(HWND window, int id, UINT message, WPARAM wParam, LPARAM lParam) {
  if (id == layout::kSchemeGroup || id == layout::kDockGroup) {
    // The radios' notifications and colour requests belong to the panel.
    if (message == WM_COMMAND || message == WM_CTLCOLORSTATIC || message == WM_CTLCOLORBTN)
      return SendMessageA(panel_, message, wParam, lParam);
    // The panel clips its children, so a group box paints its own inside.
    if (message == WM_ERASEBKGND) {
      RECT inside;
      GetClientRect(window, &inside);
      FillRect(reinterpret_cast<HDC>(wParam), &inside, GetSysColorBrush(COLOR_BTNFACE));
      return 1;
    }
  } else {
    const int slot = id - layout::kSlotBoxBase;
    if (message == WM_LBUTTONDOWN) events_.slotPressed(slot);
    if (message == WM_MOUSEMOVE) events_.slotMouseMoved(slot);
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace fdt
