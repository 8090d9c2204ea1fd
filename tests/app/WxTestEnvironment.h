// Window tests: the program's own application object runs in the test process under the X server
// that scripts/test.sh starts; each test drives the real main window with real events.
#pragma once

#include "app/ErrorDisplay.h"
#include "app/QUOLSAUnit.h"

#include "TempDir.h"

#include <gtest/gtest.h>
#include <wx/evtloop.h>
#include <wx/uiaction.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

struct TShownMessage {
  std::string Text, Caption;
  TMessageIcon Icon;
};

// Lets the toolkit handle events for a while, or until Done answers true.
void PumpEvents(int Milliseconds);
bool PumpUntil(const std::function<bool()>& Done, int Milliseconds = 3000);

// A click through the X server at a point of the screen, or in the middle of a window; the toolkit
// then handles the events for a moment.
void ClickAt(wxUIActionSimulator& Input, wxPoint Screen, int Button = wxMOUSE_BTN_LEFT);
void ClickOn(wxUIActionSimulator& Input, wxWindow* W, int Button = wxMOUSE_BTN_LEFT);

class TWindowTest : public ::testing::Test {
protected:
  void SetUp() override;
  void TearDown() override;

  // Starts the main window as the program in Dir would (settings file Dir/quolsa.ini), with the
  // engine beside it or without one, and waits until it is on the screen. The hidden target dialog
  // is created after it, as at the program's start.
  TForm68* Start(bool WithEngine = true);
  // Closes the main window as the user does and waits until it is gone.
  void CloseProgram();

  std::string SettingsFile() const { return Dir / "quolsa.ini"; }

  TTempDir Dir;
  std::vector<TShownMessage> Shown; // message boxes, in order

private:
  std::unique_ptr<wxGUIEventLoop> FLoop;
  std::unique_ptr<wxEventLoopActivator> FActive;
  TMessageBoxFunction FPrevious;
};
