// The arithmetic behind the main window's view commands and page display: zoom steps, quarter
// turns, the page label, the page box, the extension test of dropped files, and what one notch of
// the mouse wheel does in the window.
#pragma once

#include "engine/PdfGeometry.h"
#include "viewer/PdfControlTypes.h"

#include <string>

// The zoom after one press of "拡大" (x 1.2) or "縮小" (x 0.8), truncated toward zero; the viewer
// clamps the result.
int ZoomedIn(int Percentage);
int ZoomedOut(int Percentage);

// A quarter turn to the right (clockwise) or to the left.
TPdfPageRotation RotatedRight(TPdfPageRotation Rotation);
TPdfPageRotation RotatedLeft(TPdfPageRotation Rotation);

// "<page> / <count>" with the page counted from 1.
std::string PageLabel(int PageIndex, int PageCount);
// The same with the page as the page box's text stands.
std::string PageLabel(const std::string& PageText, int PageCount);

// The page index the page box's text asks for: the text as a decimal integer minus one, or
// Default minus one when it is not one. The viewer clamps the result.
int PageIndexOfText(const std::string& Text, int Default);

// A dropped file is opened when its name (not its content) ends in ".pdf", in any letter case.
bool HasPdfExtension(const std::string& FileName);

// What one notch of the wheel does in the main window, before the viewer's own handling.
enum TWheelAction { waNone, waSwitchToZoom, waNextPage, waPrevPage };

// InsidePanel: the pointer lies strictly inside the lower panel. ModifierHeld: Shift or Ctrl is
// held down. TowardUser: the notch turns the wheel toward the user.
TWheelAction MainWindowWheelAction(bool InsidePanel, bool ModifierHeld,
                                   TPdfControlScaleMode ScaleMode, bool TowardUser);
