// The desktop around the program: other programs' windows, the foreground window, injected key
// strokes and waiting. Tests install a recording desktop of their own.
#pragma once

#include <cstdint>

namespace platform {

// A window of any program on the desktop, as a number; 0 is none.
using TWindowHandle = std::uint64_t;

// keybd_event's flag for the release of a key.
constexpr std::uint32_t KeyEventKeyUp = 2;

class TDesktop {
public:
  virtual ~TDesktop() = default;
  // True when the window is minimised.
  virtual bool IsIconic(TWindowHandle Window) = 0;
  // Restores a minimised window.
  virtual void OpenIcon(TWindowHandle Window) = 0;
  // Asks for the window to become the foreground window; the system may refuse.
  virtual void SetForegroundWindow(TWindowHandle Window) = 0;
  virtual TWindowHandle GetForegroundWindow() = 0;
  // Injects a key event into the system's input stream.
  virtual void KeybdEvent(std::uint8_t VirtualKey, std::uint8_t ScanCode, std::uint32_t Flags,
                          std::uintptr_t ExtraInfo) = 0;
  // Blocks the calling thread.
  virtual void Sleep(unsigned Milliseconds) = 0;
};

// The system's desktop, or the one installed in its place.
TDesktop& Desktop();
// Installs a desktop in place of the system's (null puts the system's back). The caller keeps
// ownership.
void InstallDesktop(TDesktop* Desktop);

TDesktop& SystemDesktop();

} // namespace platform
