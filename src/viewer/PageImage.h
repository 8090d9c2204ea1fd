// The page image of one layout, built in steps between which the window answers. A cached image
// holds the whole page; the image of a page too large to cache holds only pieces around the part
// of the page on screen. Each step works on what is most urgent: the part of the page on screen,
// then what the form layer changed, then the rest of the cached image.
//
// The whole cached image is one render of the engine, so it holds exactly the picture one call
// draws. When that render does not finish within the first step and the page is larger than the
// part on screen, the part on screen is rendered on its own first and shown until the whole image
// is complete. The engine renders one piece of a page at a time: switching to another piece ends
// the render under way, which starts over later.
#pragma once

#include "viewer/PagePiece.h"
#include "viewer/PaintTarget.h"

#include <memory>
#include <optional>
#include <vector>

class TPageImage {
public:
  using TClock = TPagePiece::TClock;

  // Cached: the image covers the whole page of How.Width x How.Height pixels. The page must
  // outlive the image.
  TPageImage(TPdfPage& Page, const TPageDrawing& How, TColor Paper, bool Cached);

  TPdfPage& Page() const { return FPage; }
  const TPageDrawing& Drawing() const { return FHow; }
  bool Cached() const { return FWhole != nullptr; }
  // The cached whole image (finished or not), or null.
  const TPagePiece* Whole() const { return FWhole.get(); }

  // The part of the page on screen, in page pixels. Pieces outside it are let go.
  void SetView(const TRect& View);
  // The page's look changed inside R (page pixels): that part is rendered again.
  void Invalidate(const TRect& R);
  // Renders until Deadline, or until nothing is left. ViewOnly: only what the part of the page on
  // screen needs.
  void Step(TClock::time_point Deadline, bool ViewOnly);
  // Nothing is left to render for the part on screen; for anything.
  bool ViewComplete() const;
  bool Complete() const;

  // Draws the image with the page's top-left corner at (X, Y) of Target; what is not rendered
  // shows the paper.
  void Paint(TPaintTarget& Target, int X, int Y) const;
  // The page-pixel areas finished since the last call; their picture changed.
  std::vector<TRect> TakeFinished();
  // Pieces are drawn over the paper or over the whole image: the picture is put together.
  bool Layered() const;
  // Where a render under way is drawing and the view would show it, if anywhere.
  std::optional<TRect> DrawingArea() const;
  // Renders of the engine begun for this image.
  int Renders() const;

private:
  TPagePiece* NextPiece(bool ViewOnly);
  TPagePiece* NextRepair(bool ViewOnly);
  TPagePiece* NewViewPiece();
  std::vector<const TPagePiece*> FinishedPieces() const;
  // The part on screen is rendered, whether or not repairs are waiting for it.
  bool ViewCovered() const;
  void Finish(TPagePiece* Piece);
  bool OnTrial() const;
  // The whole image is the piece that serves the part on screen: it is all on screen.
  bool WholeServesView() const;
  // The finished pictures a repair of R must go into.
  std::vector<TPagePiece*> FinishedPiecesMeeting(const TRect& R);
  void TakeInvalidated();

  TPdfPage& FPage;
  TPageDrawing FHow;
  TColor FPaper;
  TRect FPageRect;
  TRect FView{};
  std::unique_ptr<TPagePiece> FWhole;
  std::vector<std::unique_ptr<TPagePiece>> FViewPieces;
  std::vector<std::unique_ptr<TPagePiece>> FRepairs;
  std::vector<TRect> FInvalidated; // not yet turned into repairs
  TPagePiece* FActive = nullptr;   // the piece whose render is under way
  // The whole image's trial: rendered first for this long, it goes on only if it finished or is
  // all on screen; otherwise the part on screen is rendered on its own first. Three slices: the
  // engine runs one render per page, so splitting starts the whole image over; a page that
  // renders in well under a tenth of a second gains nothing from it and would be rendered twice.
  TClock::duration FTrialLeft = std::chrono::milliseconds(75);
  std::vector<TRect> FFinished;
  int FRendersOfDropped = 0;
};
