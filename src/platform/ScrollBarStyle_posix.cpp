#include "platform/ScrollBarStyle.h"

#include <cstdlib>

namespace platform {

// GTK draws thin bars over the content unless told otherwise when it starts.
void RequestClassicScrollBars() {
  ::setenv("GTK_OVERLAY_SCROLLING", "0", 1);
}

} // namespace platform
