// The DockPanel window: creates the panel and its controls, realises the
// panel view on them and raises the controls' events. Events are raised for
// the message addressed to that very window, before it processes it; the
// controls are subclassed so this holds in modal loops the program does not own.
#pragma once

#include <windows.h>

#include <string>

#include "panel/edge_dock.h"
#include "panel/panel_geometry.h"
#include "panel/panel_view.h"

namespace fdt {

class PanelEvents {
 public:
  virtual ~PanelEvents() = default;
  virtual void created() = 0;
  virtual void willBeDestroyed() = 0;
  virtual void mouseMoved() = 0;             // over the panel's own surface
  virtual void doubleClicked() = 0;          // on the panel's own surface
  virtual void clicked(int controlId) = 0;   // push buttons and radios
  virtual void slotPressed(int slot) = 0;    // left button down on a slot box
  virtual void slotMouseMoved(int slot) = 0;
  virtual void timerElapsed(int timer) = 0;
};

class DockPanelWindow final : public PanelView {
 public:
  static constexpr int kHideTimer = 1;  // 时钟1
  static constexpr int kEdgeTimer = 2;  // 时钟2

  DockPanelWindow(HINSTANCE instance, PanelEvents& events);
  ~DockPanelWindow() override;
  DockPanelWindow(const DockPanelWindow&) = delete;
  DockPanelWindow& operator=(const DockPanelWindow&) = delete;

  // Creates the hidden owner, the panel and its controls, raises the created
  // event and then shows the panel, unless the event had it destroyed.
  void create(HICON largeIcon, HICON smallIcon, const std::string& contactLine);

  HWND hwnd() const { return panel_; }
  HWND ownerWindow() const { return owner_; }
  HWND control(int id) const;
  HWND slotBox(int slot) const;

  std::string slotText(int slot) const override;
  void setSlotText(int slot, const std::string& text) override;
  bool radioChecked(Radio radio) const override;
  void setRadioChecked(Radio radio, bool checked) override;
  std::string configCaption() const override;
  void setConfigCaption(const std::string& caption) override;
  void setStatusText(const std::string& text) override;
  void setPanelWidth(int width) override;

  DockRect outerRect() const;
  void setLeft(int left);
  void setTop(int top);
  void setHeight(int height);
  void setTimerPeriod(int timer, int period);

 private:
  static LRESULT CALLBACK panelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
  static LRESULT CALLBACK controlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR id, DWORD_PTR self) noexcept;
  LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT handleControl(HWND window, int id, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT colourControl(HDC dc, HWND control);
  void createControls(const std::string& contactLine);
  HWND radioWindow(Radio radio) const;
  void resize(int width, int height);

  HINSTANCE instance_;
  PanelEvents& events_;
  HWND owner_ = nullptr;
  HWND panel_ = nullptr;
  HBRUSH whiteBrush_;
  TimerPeriod hideTimer_;
  TimerPeriod edgeTimer_;
};

}  // namespace fdt
