// Modifier keys held down, as the installed keyboard query tells.
#include "platform/KeyState.h"

#include <gtest/gtest.h>

namespace {

TEST(KeyState, NoQueryNoKeyDown) {
  EXPECT_FALSE(platform::ModifierKeysDown().Shift);
  EXPECT_FALSE(platform::ModifierKeysDown().Control);
}

TEST(KeyState, InstalledQueryAnswers) {
  platform::InstallModifierKeysQuery([] { return platform::TModifierKeys{true, false}; });
  EXPECT_TRUE(platform::ModifierKeysDown().Shift);
  EXPECT_FALSE(platform::ModifierKeysDown().Control);
  platform::InstallModifierKeysQuery([] { return platform::TModifierKeys{false, true}; });
  EXPECT_FALSE(platform::ModifierKeysDown().Shift);
  EXPECT_TRUE(platform::ModifierKeysDown().Control);
  platform::InstallModifierKeysQuery(nullptr);
  EXPECT_FALSE(platform::ModifierKeysDown().Control);
}

} // namespace
