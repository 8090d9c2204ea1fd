// Text across the toolkit boundary: the program's strings are UTF-8.
#pragma once

#include <wx/string.h>

#include <string>

inline wxString ToWx(const std::string& Text) {
  return wxString::FromUTF8(Text);
}

inline std::string FromWx(const wxString& Text) {
  return std::string(Text.utf8_str());
}
