// The current CAD target, shared by the main window, the target dialog and the CAD commands.
#pragma once

#include <string>

// The automation class name of the BricsCAD application, the target until another is chosen.
extern const char* const DefaultTargetProgID;

// The automation class name of the current CAD target.
extern std::string TargetProgID;
