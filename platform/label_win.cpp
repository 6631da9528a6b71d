#include "platform/label_win.h"

namespace fdt {
namespace {

constexpr char kClassName[] = "FeidangtongLabel";
constexpr int kColourSlot = 0;
constexpr int kAlignSlot = sizeof(LONG_PTR);

LRESULT CALLBACK labelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  switch (message) {
    case WM_SETTEXT: {
      LRESULT result = DefWindowProcA(window, message, wParam, lParam);
      InvalidateRect(window, nullptr, TRUE);
      UpdateWindow(window);
      return result;
    }
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      char text[512] = {};
      GetWindowTextA(window, text, sizeof text);
      RECT area;
      GetClientRect(window, &area);
      HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, static_cast<COLORREF>(GetWindowLongPtrA(window, kColourSlot)));
      UINT format = DT_SINGLELINE | DT_CENTER | DT_NOPREFIX;
      if (static_cast<LabelAlign>(GetWindowLongPtrA(window, kAlignSlot)) == LabelAlign::Centred)
        format |= DT_VCENTER;
      DrawTextA(dc, text, -1, &area, format);
      SelectObject(dc, oldFont);
      EndPaint(window, &paint);
      return 0;
    }
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

void registerClassOnce(HINSTANCE instance) {
  WNDCLASSA existing;
  if (GetClassInfoA(instance, kClassName, &existing)) return;
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = labelProc;
  windowClass.cbWndExtra = 2 * sizeof(LONG_PTR);
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kClassName;
  RegisterClassA(&windowClass);
}

}  // namespace

HWND createLabel(HINSTANCE instance, HWND parent, int id, RECT place, COLORREF colour, LabelAlign align) {
  registerClassOnce(instance);
  HWND label = CreateWindowExA(0, kClassName, "", WS_CHILD | WS_VISIBLE, place.left, place.top,
                               place.right - place.left, place.bottom - place.top, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
  SetWindowLongPtrA(label, kColourSlot, static_cast<LONG_PTR>(colour));
  SetWindowLongPtrA(label, kAlignSlot, static_cast<LONG_PTR>(align));
  return label;
}

}  // namespace fdt
