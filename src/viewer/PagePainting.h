// The steps of the viewer's paint that need no engine: the background around the page, the page
// border and drop shadow, the blended overlays, and whether a page is drawn without a cache.
#pragma once

#include "viewer/PaintTarget.h"

#include <cstdint>

class TOffscreenSurface;

// Overlays are blended over the page with this opacity out of 255.
constexpr std::uint8_t OverlayAlpha = 127;
constexpr TColor SelectionColor = 0xFE8E32; // text selections, in page and in form fields
constexpr TColor HighlightColor = 0x328EFE; // search matches
// Page images of more pixels than this (4096 x 2160) that are also larger than the control are
// never cached.
constexpr std::int64_t DirectDrawThreshold = 8847360;

// The page goes straight to the screen, uncached: when buffering is off, or when its image would
// be larger than both the control and the threshold.
bool IsDirectPageDraw(bool BufferedPageDraw, int DrawWidth, int DrawHeight, int Width, int Height);

// Fills the four bands around the page rectangle in a control of Width x Height.
void FillBackgroundBands(TPaintTarget& Target, int Width, int Height, const TRect& Page,
                         TColor Color);

// One-pixel border lines on the page's outermost pixels unless BorderColor is clNone; an opaque
// shadow right of and below the page, offset by ShadowSize, unless ShadowColor is clNone or the
// size is not positive.
void PaintBorderShadow(TPaintTarget& Target, const TRect& Page, TColor BorderColor,
                       TColor ShadowColor, int ShadowSize);

// Blends Color at OverlayAlpha over each rectangle that shows in the target.
void BlendRects(TOffscreenSurface& Target, const TPdfControlRectArray& Rects, TColor Color);
