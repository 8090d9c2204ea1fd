// What the settings file carries from one run to the next, and how it is read and written.
#pragma once

#include "app/IniFile.h"

#include <string>

// The page box's and the scale box's texts when the file has none.
extern const char* const DefaultPageNo;
extern const char* const DefaultScale;

struct TSettings {
  int Left = 0, Top = 0;     // window position (outer frame)
  int Width = 0, Height = 0; // outer window size: written, never read back
  std::string FileName;      // the shown document
  std::string PageNo;        // the page box's text, as typed
  std::string Scale;         // the scale box's text, as typed
  std::string ProgID;        // the CAD target
};

// The settings as start-up reads them, key by key; whatever is missing (or, for the position, not
// a number) comes from Defaults. Width and Height are Defaults' own.
TSettings ReadSettings(const TIniFile& Ini, const TSettings& Defaults);

// Writes all eight values as the program's end does, one write each and in the file's order of
// sections; raises at the first write that fails, the later values are then not written.
void WriteSettings(TIniFile& Ini, const TSettings& Values);

// The position that centres a window of WindowExtent on a screen of ScreenExtent.
inline int CentredOrigin(int ScreenExtent, int WindowExtent) {
  return (ScreenExtent - WindowExtent) / 2;
}
