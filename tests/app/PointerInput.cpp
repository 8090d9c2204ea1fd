#include "PointerInput.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <stdexcept>

namespace {

// One connection for the test's input, kept open: events sent through it arrive in order.
Display* InputDisplay() {
  static Display* D = XOpenDisplay(nullptr);
  if (!D)
    throw std::runtime_error("no X display");
  return D;
}

void Flush() {
  XSync(InputDisplay(), False);
}

} // namespace

void SendButton(unsigned Button, bool Down) {
  XTestFakeButtonEvent(InputDisplay(), Button, Down ? True : False, CurrentTime);
  Flush();
}

void SendWheelNotch(bool TowardUser) {
  const unsigned Button = TowardUser ? 5 : 4; // the X server's wheel buttons
  SendButton(Button, true);
  SendButton(Button, false);
}

void SendKey(unsigned long KeySym, bool Down) {
  Display* D = InputDisplay();
  XTestFakeKeyEvent(D, XKeysymToKeycode(D, KeySym), Down ? True : False, CurrentTime);
  Flush();
}

void SendPointerMove(int ScreenX, int ScreenY) {
  Display* D = InputDisplay();
  XTestFakeMotionEvent(D, DefaultScreen(D), ScreenX, ScreenY, CurrentTime);
  Flush();
}
