// The program's dark visual style.
#pragma once

namespace platform {

// Asks the window toolkit for its dark theme variant. Call before the toolkit starts. True when the
// toolkit then draws the windows dark by itself; false when the program has to colour its windows.
bool RequestDarkStyle();

} // namespace platform
