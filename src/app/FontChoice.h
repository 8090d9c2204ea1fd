// The face of the program's fonts.
#pragma once

#include <functional>
#include <string>

// Tahoma when the system has it, else the first available of the sans-serif faces that carry
// Japanese glyphs; empty (the toolkit's default face) when none is available.
std::string ChooseFaceName(const std::function<bool(const std::string&)>& Available);
