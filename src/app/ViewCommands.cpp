#include "app/ViewCommands.h"

#include "app/IniFile.h"
#include "platform/FilePath.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

int Scaled(int Percentage, double Factor) {
  return static_cast<int>(std::trunc(Percentage * Factor));
}

} // namespace

int ZoomedIn(int Percentage) {
  return Scaled(Percentage, 1.2);
}

int ZoomedOut(int Percentage) {
  return Scaled(Percentage, 0.8);
}

TPdfPageRotation RotatedRight(TPdfPageRotation Rotation) {
  return static_cast<TPdfPageRotation>((Rotation + 1) % 4);
}

TPdfPageRotation RotatedLeft(TPdfPageRotation Rotation) {
  return static_cast<TPdfPageRotation>((Rotation + 3) % 4);
}

std::string PageLabel(int PageIndex, int PageCount) {
  return PageLabel(std::to_string(PageIndex + 1), PageCount);
}

std::string PageLabel(const std::string& PageText, int PageCount) {
  return PageText + " / " + std::to_string(PageCount);
}

int PageIndexOfText(const std::string& Text, int Default) {
  const std::int64_t Index = std::int64_t{ParseInteger(Text).value_or(Default)} - 1;
  return static_cast<int>(std::max<std::int64_t>(Index, std::numeric_limits<int>::min()));
}

bool HasPdfExtension(const std::string& FileName) {
  std::string Extension = platform::ExtractFileExt(FileName);
  for (char& C : Extension)
    if (C >= 'a' && C <= 'z')
      C = static_cast<char>(C - 'a' + 'A');
  return Extension == ".PDF";
}

TWheelAction MainWindowWheelAction(bool InsidePanel, bool ModifierHeld,
                                   TPdfControlScaleMode ScaleMode, bool TowardUser) {
  if (!InsidePanel)
    return waNone;
  if (ModifierHeld)
    return ScaleMode == smZoom ? waNone : waSwitchToZoom;
  if (ScaleMode == smZoom)
    return waNone;
  return TowardUser ? waNextPage : waPrevPage;
}
