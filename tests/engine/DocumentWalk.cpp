#include "DocumentWalk.h"

#include <algorithm>

void ReadEveryPage(TPdfDocument& Document, int MaxPages) {
  constexpr int Side = 48;
  TPdfSurface Surface(Side, Side);
  const int Count = std::min(Document.PageCount(), MaxPages);
  for (int I = 0; I < Count; ++I) {
    (void)Document.PageSizes(I);
    TPdfPage* Page = Document.Pages(I);
    Surface.Fill(0xFFFFFFFF);
    Page->Draw(Surface, 0, 0, Side, Side, prNormal, {proAnnotations});
    (void)Page->ReadText(0, Page->GetCharCount());
    for (int Link = 0; Link < Page->GetWebLinkCount(); ++Link) {
      (void)Page->GetWebLinkURL(Link);
      for (int R = 0; R < Page->GetWebLinkRectCount(Link); ++R)
        (void)Page->GetWebLinkRect(Link, R);
    }
    Page->Close();
  }
}
