// Which modifier keys are held down right now, for key events that carry no modifier state.
#pragma once

namespace platform {

struct TModifierKeys {
  bool Shift = false;
  bool Control = false;
};

// Systems whose keyboard state only the toolkit knows are answered by a query the application
// installs at start-up; without one no key counts as down. On Windows the query is ignored.
using TModifierKeysQuery = TModifierKeys (*)();
void InstallModifierKeysQuery(TModifierKeysQuery Query);

TModifierKeys ModifierKeysDown();

} // namespace platform
