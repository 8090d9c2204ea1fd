#include "platform/DarkStyle.h"

namespace platform {

// The native controls of this toolkit version have no dark mode: the program colours its windows.
bool RequestDarkStyle() {
  return false;
}

} // namespace platform
