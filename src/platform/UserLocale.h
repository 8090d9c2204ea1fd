// The user's regional settings: how numbers are written and how texts sort.
#pragma once

#include <string>

namespace platform {

// The decimal separator of the user's number format.
std::string UserDecimalSeparator();

// Compares two texts as the user's locale sorts them, without regard to letter case: negative,
// zero or positive.
int CompareTextAsUser(const std::string& A, const std::string& B);

} // namespace platform
