// Where the viewer puts its page: the page's size in pixels for a scale mode, the scroll bars a
// page needs, and the page's place in the control. Plain computing, called by the control.
#pragma once

#include "viewer/PdfControlTypes.h"

// What the page size depends on, with the page's axes as seen on the screen.
struct TPageExtentParams {
  double PageWidth = 0;  // Pw, points
  double PageHeight = 0; // Ph, points
  double DpiX = 96;      // Dw, pixels per inch along the width on screen
  double DpiY = 96;      // Dh
  TPdfControlScaleMode ScaleMode = smFitAuto;
  int ZoomPercentage = 100;
  int ShadowMargin = 0; // taken off both sides of the page for its drop shadow
};

// The page size and rotation turned to the screen's axes: a quarter turn swaps the page's width
// and height, and each resolution travels with its page axis.
TPageExtentParams MakePageExtentParams(double PageWidth, double PageHeight,
                                       TPdfPageRotation Rotation, double LogPixelsX,
                                       double LogPixelsY, TPdfControlScaleMode ScaleMode,
                                       int ZoomPercentage, TColor ShadowColor, int ShadowSize,
                                       int ShadowPadding);

struct TPageExtent {
  int Width = 0;
  int Height = 0;
  bool operator==(const TPageExtent&) const = default;
};

// The page size in pixels for the client extents Cw x Ch.
TPageExtent ComputePageExtent(const TPageExtentParams& P, int ClientWidth, int ClientHeight);

// The page size and the scroll bars for a control of Width x Height whose bars take
// HorzBarHeight and VertBarWidth pixels when shown.
struct TPageLayout {
  TPageExtent Page;
  bool HorzBar = false; // the page is wider than the client width left beside the bars
  bool VertBar = false;
  int ClientWidth = 0; // the extents the page was sized for: the bars' page sizes
  int ClientHeight = 0;
  bool operator==(const TPageLayout&) const = default;
};

TPageLayout ComputePageLayout(const TPageExtentParams& P, int Width, int Height, int HorzBarHeight,
                              int VertBarWidth);

// The page's top-left corner in client pixels: centred where the page is smaller than the visible
// area, else at the edge and moved against the scroll position.
TPoint PlacePage(int VisibleWidth, int VisibleHeight, TPageExtent Page, int HorzPosition,
                 int VertPosition);
