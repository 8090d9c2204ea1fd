// What the viewer's benchmarks share beside their timing: a render by the bare engine to measure
// against, and the toolkit application that runs one benchmark on the X server of DISPLAY.
#pragma once

#include "BenchTiming.h"
#include "engine/PdfDocument.h"
#include "viewer/PdfViewCtrl.h"

#include <chrono>
#include <functional>
#include <string>
#include <vector>

// One render of page Index by the bare engine, at Width x Height on white paper, in milliseconds:
// what drawing the page costs without any of the viewer's own work.
double BareRender(TPdfDocument& Document, int Index, int Width, int Height);

// Lets the toolkit handle events for a while.
void Pump(int Milliseconds);

typedef struct _XDisplay Display;
class wxFrame;

// A frame at the screen's top-left holding only a viewer of Width x Height pixels, with a count of
// the viewer's paints; each benchmark derives from it.
class TBenchViewer {
protected:
  TBenchViewer(const char* Caption, int Width, int Height);
  ~TBenchViewer();
  TBenchViewer(const TBenchViewer&) = delete;
  TBenchViewer& operator=(const TBenchViewer&) = delete;

  // Lets the toolkit run until Done (5 s at the most), then until the server has drawn what was
  // painted.
  void WaitUntil(const std::function<bool()>& Done);
  // The same until the viewer has painted what is pending.
  void WaitForPaint();
  // The same, then until the part of the page on screen is rendered and on the screen too: the
  // page image is rendered in slices, and a first paint may show only a part.
  void WaitForPicture();
  // Until the whole page image is rendered, so that scroll steps come from it.
  void WaitForPageImage();
  // Until the server has done all it was asked.
  void Sync();

  TPdfControl* FViewer = nullptr; // owned by the frame
  int FPaints = 0;

private:
  Display* FDisplay = nullptr;
  wxFrame* FFrame = nullptr;
};

// Runs Bench inside the toolkit with the document and the number of rounds of the command line
// ([document.pdf] [rounds]; drawing.pdf and 3 without them); the process's exit code.
int RunViewerBench(int argc, char** argv, const char* Title,
                   std::function<void(const std::string& File, int Rounds)> Bench);
