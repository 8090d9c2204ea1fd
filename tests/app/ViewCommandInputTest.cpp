// The view commands through real input.
#include "WxTestEnvironment.h"
