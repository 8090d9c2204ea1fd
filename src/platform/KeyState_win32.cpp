#include "platform/KeyState.h"

#include <windows.h>

namespace platform {

void InstallModifierKeysQuery(TModifierKeysQuery) {}

TModifierKeys ModifierKeysDown() {
  return {::GetKeyState(VK_SHIFT) < 0, ::GetKeyState(VK_CONTROL) < 0};
}

} // namespace platform
