// Modifier keys on Windows come from the thread's keyboard state; an installed query is ignored.
#include "platform/KeyState.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace {

void SetKeysDown(bool Shift, bool Control) {
  BYTE Keys[256] = {};
  Keys[VK_SHIFT] = Shift ? 0x80 : 0;
  Keys[VK_CONTROL] = Control ? 0x80 : 0;
  ::SetKeyboardState(Keys);
}

} // namespace

TEST(KeyStateWin32, TheThreadsKeyboardStateAnswers) {
  platform::InstallModifierKeysQuery([] { return platform::TModifierKeys{true, true}; });
  const struct {
    bool Shift, Control;
  } Cases[] = {{false, false}, {true, false}, {false, true}, {true, true}};
  for (const auto& C : Cases) {
    SCOPED_TRACE(std::to_string(C.Shift) + " " + std::to_string(C.Control));
    SetKeysDown(C.Shift, C.Control);
    EXPECT_EQ(platform::ModifierKeysDown().Shift, C.Shift);
    EXPECT_EQ(platform::ModifierKeysDown().Control, C.Control);
  }
  SetKeysDown(false, false);
  platform::InstallModifierKeysQuery(nullptr);
}
