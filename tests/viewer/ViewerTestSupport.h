// The viewer control alone in a frame on the X server, with the real engine.
#pragma once

#include "viewer/PdfViewCtrl.h"

#include "ScreenCapture.h"
#include "TestDocuments.h"
#include "WxTestEnvironment.h"

#include <functional>
#include <string>
#include <wx/uiaction.h>

class wxFrame;

class TViewerTest : public TWindowTest {
protected:
  void SetUp() override;
  void TearDown() override;

  // A frame at a fixed place on the screen holding only a viewer of Width x Height pixels, made by
  // Create (a plain viewer without one).
  TPdfControl* MakeViewer(int Width = 400, int Height = 300,
                          const std::function<TPdfControl*(wxWindow*)>& Create = {});
  // A button below the viewer in its frame, which keeps the viewer's size.
  wxWindow* AddButtonBelow();
  // Loads a fixture and lets the viewer paint it.
  void Load(const std::string& Name);
  // Lets the viewer paint what is pending.
  void Settle();
  // What the viewer shows on the screen, in its client coordinates.
  TScreenShot Shot();

  // The pointer and the keyboard through the X server, at client points of the viewer.
  void MoveTo(int X, int Y);
  void MoveTo(TPoint P) { MoveTo(P.X, P.Y); }
  void Press();
  void Release();
  void ClickAt(TPoint P);
  void DoubleClickAt(TPoint P);
  void DragFromTo(TPoint From, TPoint To);
  // A key with modifiers (wxMOD_CONTROL, wxMOD_SHIFT), pressed and released.
  void Key(int KeyCode, int Modifiers = wxMOD_NONE);
  // The centre of a character's box on the current page, in client pixels.
  TPoint CharCentre(int CharIndex);

  wxFrame* Frame = nullptr;
  TPdfControl* Viewer = nullptr;
  wxUIActionSimulator Input;
  // Where the viewer last saw the pointer move, in client pixels.
  wxPoint LastMotion{-1000, -1000};
};

// Pixel looks: the fixtures draw black on white.
bool IsBlackPixel(std::uint32_t Pixel);
bool IsWhitePixel(std::uint32_t Pixel);
