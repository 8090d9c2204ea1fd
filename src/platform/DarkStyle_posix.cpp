#include "platform/DarkStyle.h"

#include <cstdlib>

namespace platform {

// GTK reads its theme when it starts. A theme the user chose explicitly for this process is kept;
// otherwise the program takes the dark variant of the theme built into GTK.
bool RequestDarkStyle() {
  const char* Chosen = std::getenv("GTK_THEME");
  if (!Chosen || !*Chosen)
    ::setenv("GTK_THEME", "Adwaita:dark", 1);
  return true;
}

} // namespace platform
