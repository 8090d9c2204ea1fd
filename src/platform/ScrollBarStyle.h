// The kind of scroll bars the window toolkit draws.
#pragma once

namespace platform {

// Asks the toolkit for scroll bars that take their own room beside the content, not ones that
// float over it. Call before the toolkit starts.
void RequestClassicScrollBars();

} // namespace platform
