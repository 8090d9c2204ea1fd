#include "platform/Desktop.h"

#include <chrono>
#include <thread>

namespace platform {

namespace {

// No other program's window can be reached: nothing is minimised, raised or in front, and key
// strokes go nowhere. Waiting waits.
class TDesktopWithoutWindows : public TDesktop {
public:
  bool IsIconic(TWindowHandle) override { return false; }
  void OpenIcon(TWindowHandle) override {}
  void SetForegroundWindow(TWindowHandle) override {}
  TWindowHandle GetForegroundWindow() override { return 0; }
  void KeybdEvent(std::uint8_t, std::uint8_t, std::uint32_t, std::uintptr_t) override {}
  void Sleep(unsigned Milliseconds) override {
    std::this_thread::sleep_for(std::chrono::milliseconds(Milliseconds));
  }
};

} // namespace

TDesktop& SystemDesktop() {
  static TDesktopWithoutWindows Desktop;
  return Desktop;
}

} // namespace platform
