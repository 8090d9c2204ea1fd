// Values declared beside the viewer control: its scale modes, colours, rectangle lists and events.
#pragma once

#include "engine/PdfGeometry.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class TPdfControl;

enum TPdfControlScaleMode { smFitAuto, smFitWidth, smFitHeight, smZoom };

// A colour laid out 0x00BBGGRR, or one of the two special values below.
using TColor = std::uint32_t;
constexpr TColor clNone = 0x1FFFFFFF;    // draws nothing
constexpr TColor clDefault = 0x20000000; // the control's own Color
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clGray = 0x808080;

// The colour as a 32-bit pixel of a page surface: opaque, red, green, blue from the high byte down.
constexpr std::uint32_t ColorToPixel(TColor Color) {
  return 0xFF000000u | (Color & 0xFFu) << 16 | (Color & 0xFF00u) | (Color >> 16 & 0xFFu);
}

using TPdfControlRectArray = std::vector<TRect>;
using TPdfControlPdfRectArray = std::vector<TPdfRect>;

using TPdfControlWebLinkClickEvent =
    std::function<void(TPdfControl& Sender, const std::string& Url)>;
using TPdfControlNotifyEvent = std::function<void(TPdfControl& Sender)>;
