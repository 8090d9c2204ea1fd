// Rendering a page in steps: the finished picture is the one of a single call, form fields
// included; a render ends cleanly when its page closes, is drawn otherwise or gets a second render.
#include "EngineTestSupport.h"

#include <cstring>

namespace {

constexpr std::uint32_t Paper = 0xFFEEDDCC;

using TClock = TPdfProgressiveRender::TClock;

class ProgressiveRender : public TEngineTest {
protected:
  TPdfPage* Open(const char* File, int Index = 0) {
    Document.LoadFromFile(TestData(File));
    return Document.Pages(Index);
  }
  TPdfDocument Document;
};

bool SamePixels(const TPdfSurface& A, const TPdfSurface& B) {
  if (A.Width() != B.Width() || A.Height() != B.Height())
    return false;
  for (int Y = 0; Y < A.Height(); ++Y)
    if (std::memcmp(A.Pixels() + std::ptrdiff_t{Y} * A.Stride(),
                    B.Pixels() + std::ptrdiff_t{Y} * B.Stride(), std::size_t(A.Width()) * 4))
      return false;
  return true;
}

// Continues with deadlines already passed, so the engine pauses at every chance; the number of
// steps taken.
int RenderInSteps(TPdfProgressiveRender& Render) {
  int Steps = 1;
  while (!Render.Continue(TClock::now() - std::chrono::seconds(1))) {
    EXPECT_FALSE(Render.Abandoned());
    if (Render.Abandoned() || ++Steps > 10000)
      break;
  }
  return Steps;
}

TEST_F(ProgressiveRender, StepsDrawThePictureOfOneCall) {
  struct TCase {
    const char* File;
    int Page;
    TPdfPageRotation Rotation;
    int X, Y, Width, Height; // where the page lies on a 500 x 400 surface
  } Cases[] = {
      {"drawing.pdf", 0, prNormal, 0, 0, 500, 354},
      {"drawing.pdf", 3, pr90Clockwise, 40, -30, 354, 500},
      {"drawing.pdf", 5, prNormal, -700, -300, 1500, 1061}, // a part of the page only
      {"form.pdf", 0, prNormal, 100, 20, 200, 300},         // form fields over the content
      {"transparency.pdf", 0, pr180, 10, 10, 400, 600},     // blended with the paper
  };
  for (const TCase& C : Cases) {
    SCOPED_TRACE(std::string(C.File) + " page " + std::to_string(C.Page));
    TPdfPage* Page = Open(C.File, C.Page);
    TPdfSurface OneCall(500, 400);
    OneCall.Fill(Paper);
    Page->DrawOnPaper(OneCall, C.X, C.Y, C.Width, C.Height, C.Rotation, {});
    TPdfSurface Stepped(500, 400);
    Stepped.Fill(Paper);
    TPdfProgressiveRender Render(*Page, Stepped, C.X, C.Y, C.Width, C.Height, C.Rotation, {});
    const int Steps = RenderInSteps(Render);
    EXPECT_TRUE(Render.Finished());
    if (C.File == std::string("drawing.pdf")) {
      EXPECT_GT(Steps, 1) << "the engine paused";
    }
    EXPECT_TRUE(SamePixels(OneCall, Stepped));
  }
}

TEST_F(ProgressiveRender, AFutureDeadlineFinishesInOneStep) {
  TPdfPage* Page = Open("one-page.pdf");
  TPdfSurface Surface(200, 300);
  Surface.Fill(Paper);
  TPdfProgressiveRender Render(*Page, Surface, 0, 0, 200, 300, prNormal, {});
  EXPECT_TRUE(Render.Continue(TClock::now() + std::chrono::seconds(10)));
  EXPECT_TRUE(IsBlack(Surface.Pixel(50, 70)));
  EXPECT_EQ(Surface.Pixel(150, 250), Paper);
  // Finished, it draws nothing more.
  Surface.Fill(Paper);
  EXPECT_TRUE(Render.Continue(TClock::now() + std::chrono::seconds(10)));
  EXPECT_EQ(Surface.Pixel(50, 70), Paper);
}

TEST_F(ProgressiveRender, NothingIsDrawnWithoutArea) {
  TPdfPage* Page = Open("one-page.pdf");
  TPdfSurface Surface(50, 50);
  Surface.Fill(Paper);
  TPdfSurface Empty(0, 0);
  TPdfProgressiveRender NoWidth(*Page, Surface, 0, 0, 0, 300, prNormal, {});
  EXPECT_TRUE(NoWidth.Continue(TClock::now()));
  TPdfProgressiveRender NoTarget(*Page, Empty, 0, 0, 200, 300, prNormal, {});
  EXPECT_TRUE(NoTarget.Continue(TClock::now()));
  EXPECT_EQ(Surface.Pixel(25, 25), Paper);
}

TEST_F(ProgressiveRender, PrintingDrawsTheFlattenedPageWithoutFieldLayer) {
  TPdfPage* Page = Open("form.pdf");
  TPdfSurface OneCall(200, 300);
  OneCall.Fill(Paper);
  Page->DrawOnPaper(OneCall, 0, 0, 200, 300, prNormal, {proPrinting});
  Page = Open("form.pdf");
  TPdfSurface Stepped(200, 300);
  Stepped.Fill(Paper);
  TPdfProgressiveRender Render(*Page, Stepped, 0, 0, 200, 300, prNormal, {proPrinting});
  RenderInSteps(Render);
  EXPECT_EQ(FPDFPage_GetAnnotCount(Page->LoadedHandle()), 0) << "the field is page content";
  EXPECT_TRUE(SamePixels(OneCall, Stepped));
}

// A render paused after its first step, on page 0 of the drawing.
class AbandonedRender : public ProgressiveRender {
protected:
  void SetUp() override {
    Page = Open("drawing.pdf");
    Surface.Fill(Paper);
    Render = std::make_unique<TPdfProgressiveRender>(*Page, Surface, 0, 0, 500, 354, prNormal,
                                                     TPdfPageRenderOptions{});
    ASSERT_FALSE(Render->Continue(TClock::now() - std::chrono::seconds(1)));
  }
  // The render adds nothing to its surface any more.
  void ExpectAbandoned() {
    EXPECT_TRUE(Render->Abandoned());
    EXPECT_FALSE(Render->Finished());
    TPdfSurface Before(500, 400);
    std::memcpy(Before.Pixels(), Surface.Pixels(), std::size_t(Surface.Stride()) * 400);
    EXPECT_FALSE(Render->Continue(TClock::now() + std::chrono::seconds(10)));
    EXPECT_TRUE(SamePixels(Before, Surface));
    Render.reset();
  }

  TPdfPage* Page = nullptr;
  TPdfSurface Surface{500, 400};
  std::unique_ptr<TPdfProgressiveRender> Render;
};

TEST_F(AbandonedRender, WhenThePageCloses) {
  Page->Close();
  ExpectAbandoned();
  // The page reopens and renders as before.
  TPdfProgressiveRender Again(*Page, Surface, 0, 0, 500, 354, prNormal, {});
  EXPECT_TRUE(Again.Continue(TClock::now() + std::chrono::seconds(10)));
}

TEST_F(AbandonedRender, WhenThePageIsDrawnInOneCall) {
  TPdfSurface Other(100, 100);
  Page->Draw(Other, 0, 0, 100, 71, prNormal, {});
  ExpectAbandoned();
}

TEST_F(AbandonedRender, WhenThePageGetsASecondRender) {
  TPdfSurface Other(500, 400);
  Other.Fill(Paper);
  TPdfProgressiveRender Second(*Page, Other, 0, 0, 500, 354, prNormal, {});
  EXPECT_TRUE(Render->Abandoned());
  RenderInSteps(Second);
  EXPECT_TRUE(Second.Finished());
  ExpectAbandoned();
}

TEST_F(AbandonedRender, WhenTheDocumentCloses) {
  Document.Close();
  ExpectAbandoned();
}

TEST_F(AbandonedRender, DestroyedWhileRunningItLeavesThePageFree) {
  Render.reset();
  // Another render of the page runs from the start to the end.
  TPdfSurface Other(500, 400);
  Other.Fill(Paper);
  TPdfProgressiveRender Second(*Page, Other, 0, 0, 500, 354, prNormal, {});
  RenderInSteps(Second);
  TPdfSurface OneCall(500, 400);
  OneCall.Fill(Paper);
  Page->DrawOnPaper(OneCall, 0, 0, 500, 354, prNormal, {});
  EXPECT_TRUE(SamePixels(OneCall, Other));
}

} // namespace
