#include "platform/ScrollBarStyle.h"

namespace platform {

// Windows' standard scroll bars always take their own room.
void RequestClassicScrollBars() {}

} // namespace platform
