#include "viewer/PageImage.h"

#include "viewer/ClientRect.h"

#include <algorithm>
#include <utility>

namespace {

// The pixels of View that none of the pieces covers.
std::vector<TRect> Uncovered(const TRect& View, const std::vector<const TPagePiece*>& Pieces) {
  std::vector<TRect> Left{View};
  for (const TPagePiece* Piece : Pieces) {
    std::vector<TRect> Next;
    for (const TRect& R : Left)
      for (const TRect& Part : SubtractRect(R, Piece->Area()))
        Next.push_back(Part);
    Left = std::move(Next);
  }
  return Left;
}

bool Meet(const TRect& A, const TRect& B) {
  return !IsEmptyRect(IntersectRect(A, B));
}

// The pixels of Piece inside Part (page pixels), without a copy; only read.
TPdfSurface PartOf(const TPagePiece& Piece, const TRect& Part) {
  const TPdfSurface& Pixels = Piece.Pixels().Surface();
  const TRect& Area = Piece.Area();
  const std::uint8_t* First = Pixels.Pixels() +
                              std::ptrdiff_t{Part.Top - Area.Top} * Pixels.Stride() +
                              std::ptrdiff_t{Part.Left - Area.Left} * 4;
  return {Part.Right - Part.Left, Part.Bottom - Part.Top, const_cast<std::uint8_t*>(First),
          Pixels.Stride()};
}

} // namespace

TPageImage::TPageImage(TPdfPage& Page, const TPageDrawing& How, TColor Paper, bool Cached)
    : FPage(Page), FHow(How), FPaper(Paper), FPageRect{0, 0, How.Width, How.Height} {
  if (Cached)
    FWhole = std::make_unique<TPagePiece>(FPageRect, FPaper);
}

void TPageImage::SetView(const TRect& View) {
  FView = IntersectRect(View, FPageRect);
  if (IsEmptyRect(FView))
    FView = {};
  std::erase_if(FViewPieces, [this](const std::unique_ptr<TPagePiece>& Piece) {
    if (Meet(Piece->Area(), FView))
      return false;
    if (FActive == Piece.get())
      FActive = nullptr;
    FRendersOfDropped += Piece->Renders();
    return true;
  });
}

void TPageImage::Invalidate(const TRect& R) {
  // Taken up by the next step: the form layer may report changes while a render is under way.
  const TRect Cut = IntersectRect(R, FPageRect);
  if (!IsEmptyRect(Cut))
    FInvalidated.push_back(Cut);
}

void TPageImage::TakeInvalidated() {
  for (const TRect& R : FInvalidated) {
    // A repair not begun yet grows to take the area in.
    const auto Waiting = std::find_if(FRepairs.begin(), FRepairs.end(), [&](const auto& Repair) {
      return Repair.get() != FActive && Meet(Repair->Area(), R);
    });
    if (Waiting != FRepairs.end()) {
      FRendersOfDropped += (*Waiting)->Renders();
      *Waiting = std::make_unique<TPagePiece>(BoundingRect({(*Waiting)->Area(), R}), FPaper);
    } else
      FRepairs.push_back(std::make_unique<TPagePiece>(R, FPaper));
  }
  FInvalidated.clear();
}

void TPageImage::Step(TClock::time_point Deadline, bool ViewOnly) {
  TakeInvalidated();
  do {
    TPagePiece* Piece = NextPiece(ViewOnly);
    if (!Piece)
      break;
    if (FActive && FActive != Piece)
      FActive->Stop();
    FActive = Piece;
    // On trial the whole image renders no longer than the trial has left.
    const bool Trial = Piece == FWhole.get() && OnTrial();
    const auto Start = TClock::now();
    bool Done = false;
    try {
      Done = Piece->Render(FPage, FHow, Trial ? std::min(Deadline, Start + FTrialLeft) : Deadline);
      if (Trial)
        FTrialLeft -= TClock::now() - Start;
    } catch (...) {
      FActive = nullptr;
      Finish(Piece);
      throw;
    }
    if (Done) {
      FActive = nullptr;
      Finish(Piece);
    }
  } while (TClock::now() < Deadline);
}

bool TPageImage::OnTrial() const {
  return FWhole && !FWhole->Finished() && FTrialLeft > TClock::duration::zero();
}

bool TPageImage::WholeServesView() const {
  return FWhole && ContainsRect(FView, FPageRect);
}

TPagePiece* TPageImage::NextPiece(bool ViewOnly) {
  if (FActive) {
    if (FActive != FWhole.get())
      return FActive; // a piece of the view or a repair: finished first
    if (OnTrial() || WholeServesView())
      return FActive;
    if (!ViewCovered())
      return NewViewPiece(); // the view first; the whole image starts over later
    // Repairs wait for the whole image, which is never broken off for them.
    return ViewOnly ? nullptr : FActive;
  }
  if (TPagePiece* Repair = NextRepair(ViewOnly))
    return Repair;
  if (!ViewCovered()) {
    if (FWhole && (OnTrial() || WholeServesView()))
      return FWhole.get();
    if (TPagePiece* Piece = NewViewPiece())
      return Piece;
  }
  if (!ViewOnly && FWhole && !FWhole->Finished())
    return FWhole.get();
  return nullptr;
}

std::vector<const TPagePiece*> TPageImage::FinishedPieces() const {
  std::vector<const TPagePiece*> Result;
  if (FWhole && FWhole->Finished())
    Result.push_back(FWhole.get());
  for (const auto& Piece : FViewPieces)
    if (Piece->Finished())
      Result.push_back(Piece.get());
  return Result;
}

TPagePiece* TPageImage::NewViewPiece() {
  std::vector<const TPagePiece*> Covering = FinishedPieces();
  if (FActive && FActive != FWhole.get())
    Covering.push_back(FActive);
  const TRect Area = BoundingRect(Uncovered(FView, Covering));
  if (IsEmptyRect(Area))
    return nullptr;
  FViewPieces.push_back(std::make_unique<TPagePiece>(Area, FPaper));
  return FViewPieces.back().get();
}

std::vector<TPagePiece*> TPageImage::FinishedPiecesMeeting(const TRect& R) {
  std::vector<TPagePiece*> Result;
  if (FWhole && FWhole->Finished() && Meet(FWhole->Area(), R))
    Result.push_back(FWhole.get());
  for (const auto& Piece : FViewPieces)
    if (Piece->Finished() && Meet(Piece->Area(), R))
      Result.push_back(Piece.get());
  return Result;
}

TPagePiece* TPageImage::NextRepair(bool ViewOnly) {
  for (auto It = FRepairs.begin(); It != FRepairs.end();) {
    // A picture still to be rendered will show the change by itself.
    if (FinishedPiecesMeeting((*It)->Area()).empty()) {
      FRendersOfDropped += (*It)->Renders();
      It = FRepairs.erase(It);
      continue;
    }
    if (!ViewOnly || Meet((*It)->Area(), FView))
      return It->get();
    ++It;
  }
  return nullptr;
}

void TPageImage::Finish(TPagePiece* Piece) {
  FFinished.push_back(Piece->Area());
  if (Piece == FWhole.get()) {
    // The whole image shows everything now, as one render draws it.
    for (const auto& P : FViewPieces)
      FRendersOfDropped += P->Renders();
    FViewPieces.clear();
    return;
  }
  const auto Repair = std::find_if(FRepairs.begin(), FRepairs.end(),
                                   [Piece](const auto& R) { return R.get() == Piece; });
  if (Repair == FRepairs.end())
    return;
  for (TPagePiece* Target : FinishedPiecesMeeting(Piece->Area()))
    Target->Pixels().DrawImage(Piece->Pixels().Surface(), Piece->Area().Left, Piece->Area().Top);
  FRendersOfDropped += Piece->Renders();
  FRepairs.erase(Repair);
}

bool TPageImage::ViewCovered() const {
  return IsEmptyRect(FView) || Uncovered(FView, FinishedPieces()).empty();
}

bool TPageImage::ViewComplete() const {
  const auto MeetsView = [this](const TRect& R) { return Meet(R, FView); };
  return ViewCovered() && std::none_of(FInvalidated.begin(), FInvalidated.end(), MeetsView) &&
         std::none_of(FRepairs.begin(), FRepairs.end(),
                      [&](const auto& Repair) { return MeetsView(Repair->Area()); });
}

bool TPageImage::Complete() const {
  return ViewComplete() && (!FWhole || FWhole->Finished()) && FRepairs.empty() &&
         FInvalidated.empty();
}

void TPageImage::Paint(TPaintTarget& Target, int X, int Y) const {
  const TRect Shown =
      OffsetRect(IntersectRect(OffsetRect(FPageRect, X, Y), Target.ClipBox()), -X, -Y);
  std::vector<const TPagePiece*> Finished;
  for (const auto& Piece : FViewPieces)
    if (Piece->Finished())
      Finished.push_back(Piece.get());
  // Each pixel is drawn once where the pieces of the view lie side by side: what they leave
  // uncovered shows the whole image, or the paper.
  for (const TRect& Part : Uncovered(Shown, Finished)) {
    if (!FWhole) {
      Target.FillRect(OffsetRect(Part, X, Y), FPaper);
      continue;
    }
    Target.DrawImage(PartOf(*FWhole, Part), X + Part.Left, Y + Part.Top);
  }
  for (const auto& Piece : FViewPieces)
    Target.DrawImage(Piece->Pixels().Surface(), X + Piece->Area().Left, Y + Piece->Area().Top);
}

std::vector<TRect> TPageImage::TakeFinished() {
  return std::exchange(FFinished, {});
}

std::optional<TRect> TPageImage::DrawingArea() const {
  const bool Repair = std::any_of(FRepairs.begin(), FRepairs.end(),
                                  [this](const auto& R) { return R.get() == FActive; });
  // A repair shows once finished; the whole image hides under the pieces of the view.
  if (!FActive || Repair || (FActive == FWhole.get() && ViewCovered()))
    return std::nullopt;
  return FActive->Area();
}

bool TPageImage::Layered() const {
  return !FWhole || !FViewPieces.empty();
}

int TPageImage::Renders() const {
  int Count = FRendersOfDropped + (FWhole ? FWhole->Renders() : 0);
  for (const auto& Piece : FViewPieces)
    Count += Piece->Renders();
  for (const auto& Piece : FRepairs)
    Count += Piece->Renders();
  return Count;
}
