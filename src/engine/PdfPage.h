// One page of an open document: its engine page handle and metrics, rendering and coordinate
// mapping. A page can give its engine handles back (Close) and reopens them on the next operation
// that needs them.
#pragma once

#include "engine/PdfEngineHandles.h"
#include "engine/PdfGeometry.h"

class TPdfBitmap;
class TPdfDocument;
class TPdfSurface;

// Created and owned by its document only.
class TPdfPage {
public:
  ~TPdfPage();
  TPdfPage(const TPdfPage&) = delete;
  TPdfPage& operator=(const TPdfPage&) = delete;

  // Releases the page's engine handles; the object and its last metrics stay. Safe to repeat.
  void Close();
  bool IsLoaded() const { return FPage != nullptr; }

  // Draws the page scaled into (X, Y, Width, Height) of Target, opaquely over what was there;
  // only the part inside the target is drawn. With proPrinting the form fields are flattened into
  // the page first and the page is drawn over the target without filling.
  void Draw(TPdfSurface& Target, int X, int Y, int Width, int Height, TPdfPageRotation Rotate,
            TPdfPageRenderOptions Options);
  // The page content into an engine bitmap.
  void DrawToPdfBitmap(TPdfBitmap& APdfBitmap, int X, int Y, int Width, int Height,
                       TPdfPageRotation Rotate, TPdfPageRenderOptions Options);
  // The form fields of the page over an engine bitmap.
  void DrawFormToPdfBitmap(TPdfBitmap& APdfBitmap, int X, int Y, int Width, int Height,
                           TPdfPageRotation Rotate, TPdfPageRenderOptions Options);

  // Conversions for a page drawn at (X, Y, Width, Height) with Rotate.
  TPdfPoint DeviceToPage(int X, int Y, int Width, int Height, int DeviceX, int DeviceY,
                         TPdfPageRotation Rotate);
  TPoint PageToDevice(int X, int Y, int Width, int Height, double PageX, double PageY,
                      TPdfPageRotation Rotate);
  // Corner by corner, no reordering.
  TPdfRect DeviceToPage(int X, int Y, int Width, int Height, const TRect& R,
                        TPdfPageRotation Rotate);
  // Corner by corner; Top and Bottom are swapped when Bottom < Top, Left and Right never.
  TRect PageToDevice(int X, int Y, int Width, int Height, const TPdfRect& R,
                     TPdfPageRotation Rotate);

  TPdfPageRotation Rotation() const { return FRotation; }
  // Sets the engine page's rotation and reads it back; Width and Height are not read again.
  void SetRotation(TPdfPageRotation Value);
  // The engine generates the page content from its objects; nothing on a closed page.
  void ApplyChanges();
  // Annotations and form fields become page content (visible after reopening); nothing on a
  // closed page.
  void Flatten(bool AFlatPrint);

  // Makes the focused form field lose focus; false without form environment.
  bool FormEventKillFocus();

  // The engine page handle, reopened first if needed.
  FPDF_PAGE Handle();
  // The engine page handle as it is: null while closed.
  FPDF_PAGE LoadedHandle() const { return FPage.get(); }
  TPdfDocument* Document() const { return FDocument; }
  // In points, as the engine reported when the handle was last opened.
  float Width() const { return FWidth; }
  float Height() const { return FHeight; }
  bool Transparency() const { return FTransparency; }

private:
  friend class TPdfDocument;
  TPdfPage(TPdfDocument* ADocument, TPageHandle APage);

  void ReopenIfClosed();
  void NotifyPageOpened();
  void ReadPageMetrics();
  bool HasFormEnvironment() const;
  FPDF_FORMHANDLE Form() const;

  TPdfDocument* FDocument;
  TPageHandle FPage;
  float FWidth = 0;
  float FHeight = 0;
  bool FTransparency = false;
  TPdfPageRotation FRotation = prNormal;
  TTextPageHandle FTextHandle;
  TSearchHandle FSearchHandle;
  TWebLinksHandle FLinkHandle;
};
