// The viewer control alone in a frame on the X server, with the real engine.
#pragma once

#include "viewer/PdfViewCtrl.h"

#include "ScreenCapture.h"
#include "TestDocuments.h"
#include "WxTestEnvironment.h"

#include <string>

class wxFrame;

// Resident memory of the test process, in bytes.
long ResidentBytes();

class TViewerTest : public TWindowTest {
protected:
  void SetUp() override;
  void TearDown() override;

  // A frame at a fixed place on the screen holding only a viewer of Width x Height pixels.
  TPdfControl* MakeViewer(int Width = 400, int Height = 300);
  // Loads a fixture and lets the viewer paint it.
  void Load(const std::string& Name);
  // Lets the viewer paint what is pending.
  void Settle();
  // What the viewer shows on the screen, in its client coordinates.
  TScreenShot Shot();

  wxFrame* Frame = nullptr;
  TPdfControl* Viewer = nullptr;
};

// Pixel looks: the fixtures draw black on white.
bool IsBlackPixel(std::uint32_t Pixel);
bool IsWhitePixel(std::uint32_t Pixel);
