#include "cad/TargetProgID.h"

const char* const DefaultTargetProgID = "BricscadApp.AcadApplication";

std::string TargetProgID = DefaultTargetProgID;
