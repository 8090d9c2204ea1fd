#include "platform/Desktop.h"

#include <windows.h>

namespace platform {

namespace {

HWND Hwnd(TWindowHandle Window) {
  return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(Window));
}

class TWindowsDesktop : public TDesktop {
public:
  bool IsIconic(TWindowHandle Window) override { return ::IsIconic(Hwnd(Window)); }
  void OpenIcon(TWindowHandle Window) override { ::OpenIcon(Hwnd(Window)); }
  void SetForegroundWindow(TWindowHandle Window) override { ::SetForegroundWindow(Hwnd(Window)); }
  TWindowHandle GetForegroundWindow() override {
    return reinterpret_cast<std::uintptr_t>(::GetForegroundWindow());
  }
  void KeybdEvent(std::uint8_t VirtualKey, std::uint8_t ScanCode, std::uint32_t Flags,
                  std::uintptr_t ExtraInfo) override {
    ::keybd_event(VirtualKey, ScanCode, Flags, ExtraInfo);
  }
  void Sleep(unsigned Milliseconds) override { ::Sleep(Milliseconds); }
};

} // namespace

TDesktop& SystemDesktop() {
  static TWindowsDesktop Desktop;
  return Desktop;
}

} // namespace platform
