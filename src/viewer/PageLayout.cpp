#include "viewer/PageLayout.h"

#include <cmath>

namespace {

// Rounds to the nearest integer, halves to even.
int Round(double Value) {
  return static_cast<int>(std::nearbyint(Value));
}

} // namespace

TPageExtentParams MakePageExtentParams(double PageWidth, double PageHeight,
                                       TPdfPageRotation Rotation, double LogPixelsX,
                                       double LogPixelsY, TPdfControlScaleMode ScaleMode,
                                       int ZoomPercentage, TColor ShadowColor, int ShadowSize,
                                       int ShadowPadding) {
  TPageExtentParams P;
  const bool QuarterTurn = Rotation == pr90Clockwise || Rotation == pr90CounterClockwide;
  P.PageWidth = QuarterTurn ? PageHeight : PageWidth;
  P.PageHeight = QuarterTurn ? PageWidth : PageHeight;
  P.DpiX = QuarterTurn ? LogPixelsY : LogPixelsX;
  P.DpiY = QuarterTurn ? LogPixelsX : LogPixelsY;
  P.ScaleMode = ScaleMode;
  P.ZoomPercentage = ZoomPercentage;
  if (ShadowColor != clNone && ShadowSize > 0 && ShadowPadding > 0)
    P.ShadowMargin = ShadowPadding + ShadowSize;
  return P;
}

TPageExtent ComputePageExtent(const TPageExtentParams& P, int ClientWidth, int ClientHeight) {
  const double Pw = P.PageWidth;
  const double Ph = P.PageHeight;
  const double Cw = ClientWidth;
  const double Ch = ClientHeight;
  TPageExtent E;
  switch (P.ScaleMode) {
  case smFitAuto:
    E.Width = Round(Ch * (Pw / Ph));
    E.Height = ClientHeight;
    if (E.Width > ClientWidth) {
      E.Width = ClientWidth;
      E.Height = Round(Cw * (Ph / Pw));
    }
    break;
  case smFitWidth:
    E.Width = ClientWidth;
    E.Height = Round(Cw * (Ph / Pw));
    break;
  case smFitHeight:
    E.Width = Round(Ch * (Pw / Ph));
    E.Height = ClientHeight;
    break;
  case smZoom:
    E.Width = Round((Pw / 72) * P.DpiX * (P.ZoomPercentage / 100.0));
    E.Height = Round((Ph / 72) * P.DpiY * (P.ZoomPercentage / 100.0));
    break;
  }
  E.Width -= P.ShadowMargin;
  E.Height -= P.ShadowMargin;
  return E;
}

TPageLayout ComputePageLayout(const TPageExtentParams& P, int Width, int Height, int HorzBarHeight,
                              int VertBarWidth) {
  int Cw = Width;
  int Ch = Height;
  TPageExtent E = ComputePageExtent(P, Cw, Ch);
  bool HorzCounted = false;
  if (E.Width > Cw) {
    Ch -= HorzBarHeight;
    HorzCounted = true;
    E = ComputePageExtent(P, Cw, Ch);
  }
  if (E.Height > Ch) {
    Cw -= VertBarWidth;
    E = ComputePageExtent(P, Cw, Ch);
    // The narrower view may now need the horizontal bar too; its room comes off the height, so
    // the vertical bar's range reaches the page's bottom edge.
    if (E.Width > Cw && !HorzCounted) {
      Ch -= HorzBarHeight;
      E = ComputePageExtent(P, Cw, Ch);
    }
  }
  TPageLayout L;
  L.Page = E;
  L.HorzBar = E.Width > Cw;
  L.VertBar = E.Height > Ch;
  L.ClientWidth = Cw;
  L.ClientHeight = Ch;
  return L;
}

TPoint PlacePage(int VisibleWidth, int VisibleHeight, TPageExtent Page, int HorzPosition,
                 int VertPosition) {
  int X = (VisibleWidth - Page.Width) / 2;
  int Y = (VisibleHeight - Page.Height) / 2;
  if (X < 0)
    X = 0;
  if (Y < 0)
    Y = 0;
  return {X - HorzPosition, Y - VertPosition};
}
