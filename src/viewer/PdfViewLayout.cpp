// The viewer's page layout, scroll bars, scrolling, the mouse wheel and the mapping between client
// pixels and page space.
#include "viewer/PdfViewCtrl.h"

#include "viewer/PageLayout.h"
#include "viewer/ToolkitShiftState.h"

#include <wx/settings.h>

namespace {

constexpr int ScrollLineStep = 25;
constexpr int WheelNotch = 120;
constexpr int ZoomPerNotch = 5;

} // namespace

double TPdfControl::LogPixelsX() const {
  return 96.0 * GetDPIScaleFactor();
}

double TPdfControl::LogPixelsY() const {
  return 96.0 * GetDPIScaleFactor();
}

int TPdfControl::HorzBarHeight() const {
  return wxSystemSettings::GetMetric(wxSYS_HSCROLL_Y, this);
}

int TPdfControl::VertBarWidth() const {
  return wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, this);
}

void TPdfControl::ComputeLayout() {
  TPdfPage* Page = ShownPage();
  if (!Page || Page->Width() <= 0 || Page->Height() <= 0)
    return;
  const TPageExtentParams P = MakePageExtentParams(
      Page->Width(), Page->Height(), FRotation, LogPixelsX(), LogPixelsY(), FScaleMode,
      FZoomPercentage, FPageShadowColor, FPageShadowSize, FPageShadowPadding);
  const wxSize Size = GetSize();
  const TPageLayout L = ComputePageLayout(P, Size.x, Size.y, HorzBarHeight(), VertBarWidth());
  if (L.HorzBar) {
    FHorzBar.SetRange(L.Page.Width, L.ClientWidth);
  } else if (FHorzBar.Shown()) {
    FHorzBar.Hide();
    Refresh(false);
  }
  if (L.VertBar) {
    FVertBar.SetRange(L.Page.Height, L.ClientHeight);
  } else if (FVertBar.Shown()) {
    FVertBar.Hide();
    Refresh(false);
  }
  ShowScrollBar(wxHORIZONTAL);
  ShowScrollBar(wxVERTICAL);
  FDrawWidth = L.Page.Width;
  FDrawHeight = L.Page.Height;
  PlacePage();
}

void TPdfControl::PlacePage() {
  const wxSize Size = GetSize();
  const int W = Size.x - (FVertBar.Shown() ? VertBarWidth() : 0);
  const int H = Size.y - (FHorzBar.Shown() ? HorzBarHeight() : 0);
  const TPoint At =
      ::PlacePage(W, H, {FDrawWidth, FDrawHeight}, FHorzBar.Shown() ? FHorzBar.Position() : 0,
                  FVertBar.Shown() ? FVertBar.Position() : 0);
  FDrawX = At.X;
  FDrawY = At.Y;
}

void TPdfControl::ShowScrollBar(int Orient) {
  const TScrollBarModel& Bar = Orient == wxHORIZONTAL ? FHorzBar : FVertBar;
  // The toolkit's range counts positions: 0 .. Maximum is Maximum + 1 of them.
  if (Bar.Shown())
    SetScrollbar(Orient, Bar.Position(), Bar.Page(), Bar.Maximum() + 1);
  else
    SetScrollbar(Orient, 0, 0, 0);
}

bool TPdfControl::ScrollContent(int XOffset, int YOffset, bool Smooth) {
  if (Smooth)
    Update();
  const auto Move = [](TScrollBarModel& Bar, int Offset) {
    if (Offset == 0 || !Bar.Shown())
      return 0;
    const int Old = Bar.Position();
    return Old - Bar.SetPosition(Old + Offset);
  };
  const int DY = Move(FVertBar, YOffset);
  const int DX = Move(FHorzBar, XOffset);
  if (DX == 0 && DY == 0)
    return false;
  if (DY != 0)
    SetScrollPos(wxVERTICAL, FVertBar.Position());
  if (DX != 0)
    SetScrollPos(wxHORIZONTAL, FHorzBar.Position());
  PlacePage();
  ScrollWindow(DX, DY);
  Update();
  return true;
}

bool TPdfControl::ScrollContentTo(int X, int Y, bool Smooth) {
  const int DX = X - FHorzBar.Position();
  const int DY = Y - FVertBar.Position();
  return ScrollContent(DX, DY, Smooth);
}

void TPdfControl::HandleScroll(wxScrollWinEvent& Event) {
  const int Orient = Event.GetOrientation();
  const TScrollBarModel& Bar = Orient == wxHORIZONTAL ? FHorzBar : FVertBar;
  const wxEventType Type = Event.GetEventType();
  int Offset = 0;
  if (Type == wxEVT_SCROLLWIN_LINEUP)
    Offset = -ScrollLineStep;
  else if (Type == wxEVT_SCROLLWIN_LINEDOWN)
    Offset = ScrollLineStep;
  else if (Type == wxEVT_SCROLLWIN_PAGEUP)
    Offset = -Bar.Page();
  else if (Type == wxEVT_SCROLLWIN_PAGEDOWN)
    Offset = Bar.Page();
  else if (Type == wxEVT_SCROLLWIN_THUMBTRACK)
    Offset = Event.GetPosition() - Bar.Position();
  const bool Moved = Orient == wxHORIZONTAL ? ScrollContent(Offset, 0, FSmoothScroll)
                                            : ScrollContent(0, Offset, FSmoothScroll);
  // Some toolkits move their bar before telling; it shows the position the control holds.
  if (!Moved)
    ShowScrollBar(Orient);
}

void TPdfControl::HandleMouseWheel(wxMouseEvent& Event) {
  const int Delta = Event.GetWheelRotation();
  const auto PassToParent = [this, &Event] {
    if (wxWindow* Parent = GetParent())
      Parent->GetEventHandler()->ProcessEvent(Event);
  };
  if (TPdfPage* Page = FormEventsApply() ? ShownPage() : nullptr) {
    const TPdfPoint At = DeviceToPage(Event.GetX(), Event.GetY());
    if (Page->FormEventMouseWheel(ShiftStateOf(Event), Delta, At.X, At.Y)) {
      PassToParent();
      return;
    }
  }
  if (Event.ControlDown()) {
    if (FScaleMode != smZoom) {
      PassToParent();
      return;
    }
    SetZoomPercentage(FZoomPercentage + Delta / WheelNotch * ZoomPerNotch);
    return;
  }
  if (Event.GetWheelAxis() == wxMOUSE_WHEEL_HORIZONTAL)
    ScrollContent(Delta, 0, FSmoothScroll);
  else if (Event.ShiftDown())
    ScrollContent(-Delta, 0, FSmoothScroll);
  else
    ScrollContent(0, -Delta, FSmoothScroll);
}

void TPdfControl::HandleSize(wxSizeEvent& Event) {
  ComputeLayout();
  Event.Skip();
}

TRect TPdfControl::GetPageRect() const {
  return {FDrawX, FDrawY, FDrawX + FDrawWidth, FDrawY + FDrawHeight};
}

TPdfPoint TPdfControl::DeviceToPage(int DeviceX, int DeviceY) {
  TPdfPage* Page = ShownPage();
  return Page ? Page->DeviceToPage(FDrawX, FDrawY, FDrawWidth, FDrawHeight, DeviceX, DeviceY,
                                   FRotation)
              : TPdfPoint{};
}

TPdfRect TPdfControl::DeviceToPage(const TRect& DeviceRect) {
  TPdfPage* Page = ShownPage();
  return Page ? Page->DeviceToPage(FDrawX, FDrawY, FDrawWidth, FDrawHeight, DeviceRect, FRotation)
              : TPdfRect{};
}

TPoint TPdfControl::PageToDevice(double PageX, double PageY) {
  TPdfPage* Page = ShownPage();
  return Page ? Page->PageToDevice(FDrawX, FDrawY, FDrawWidth, FDrawHeight, PageX, PageY, FRotation)
              : TPoint{};
}

TRect TPdfControl::PageToDevice(const TPdfRect& PageRect) {
  TPdfPage* Page = ShownPage();
  return Page ? MapPageRectToClient(*Page, PageRect) : TRect{};
}

TRect TPdfControl::MapPageRectToClient(TPdfPage& Page, const TPdfRect& R) {
  return Page.PageToDevice(FDrawX, FDrawY, FDrawWidth, FDrawHeight, R, FRotation);
}

TPdfControlRectArray TPdfControl::MapPageRectsToClient(TPdfPage& Page,
                                                       const TPdfControlPdfRectArray& Rects) {
  TPdfControlRectArray Result;
  Result.reserve(Rects.size());
  for (const TPdfRect& R : Rects)
    Result.push_back(MapPageRectToClient(Page, R));
  return Result;
}
