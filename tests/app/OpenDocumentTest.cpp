// Opening documents in the main window.
#include "WxTestEnvironment.h"
