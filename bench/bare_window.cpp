// Baseline for the panel's benchmarks: a bare Win32 program that shows one
// 180 x 500 window and runs the same two timers, doing nothing on their ticks.
#include <windows.h>

namespace {

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = windowProc;
  windowClass.hInstance = instance;
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = "BareBenchWindow";
  RegisterClassA(&windowClass);
  HWND window = CreateWindowExA(WS_EX_TOPMOST, windowClass.lpszClassName, "bare", WS_CAPTION | WS_SYSMENU,
                                422, 134, 180, 500, nullptr, nullptr, instance, nullptr);
  SetTimer(window, 1, 200, nullptr);
  SetTimer(window, 2, 100, nullptr);
  ShowWindow(window, SW_SHOW);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
  return 0;
}
