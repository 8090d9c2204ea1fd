#include "ScreenCapture.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <fstream>
#include <stdexcept>

std::uint32_t TScreenShot::At(int X, int Y) const {
  X -= Left;
  Y -= Top;
  if (X < 0 || Y < 0 || X >= Width || Y >= Height)
    return 0xFF000000;
  return Pixels[static_cast<std::size_t>(Y) * Width + X];
}

void TScreenShot::Save(const std::string& FileName) const {
  std::ofstream Out(FileName, std::ios::binary);
  Out << "P6\n" << Width << " " << Height << "\n255\n";
  for (std::uint32_t P : Pixels) {
    const char RGB[3] = {char(P >> 16 & 0xFF), char(P >> 8 & 0xFF), char(P & 0xFF)};
    Out.write(RGB, 3);
  }
}

TScreenShot CaptureScreen(int Left, int Top, int Width, int Height) {
  Display* D = XOpenDisplay(nullptr);
  if (!D)
    throw std::runtime_error("no X display");
  XSync(D, False);
  TScreenShot Shot;
  Shot.Left = Left;
  Shot.Top = Top;
  Shot.Width = Width;
  Shot.Height = Height;
  XImage* Image = XGetImage(D, DefaultRootWindow(D), Left, Top, static_cast<unsigned>(Width),
                            static_cast<unsigned>(Height), AllPlanes, ZPixmap);
  if (Image) {
    Shot.Pixels.reserve(static_cast<std::size_t>(Width) * Height);
    for (int Y = 0; Y < Height; ++Y)
      for (int X = 0; X < Width; ++X)
        Shot.Pixels.push_back(static_cast<std::uint32_t>(XGetPixel(Image, X, Y)) & 0xFFFFFF);
    XDestroyImage(Image);
  }
  XCloseDisplay(D);
  if (Shot.Pixels.empty())
    throw std::runtime_error("the screen could not be read");
  return Shot;
}

std::string ColourText(std::uint32_t Pixel) {
  char Text[16];
  std::snprintf(Text, sizeof Text, "#%06x", Pixel & 0xFFFFFF);
  return Text;
}

TScreenPoint ShownPopupOrigin() {
  Display* D = XOpenDisplay(nullptr);
  if (!D)
    throw std::runtime_error("no X display");
  TScreenPoint Result;
  Window Root = DefaultRootWindow(D), Parent = 0, *Children = nullptr;
  unsigned Count = 0;
  if (XQueryTree(D, Root, &Root, &Parent, &Children, &Count)) {
    // Children come bottom to top: the last shown pop-up is the topmost one.
    for (unsigned I = 0; I < Count; ++I) {
      XWindowAttributes A;
      if (XGetWindowAttributes(D, Children[I], &A) && A.map_state == IsViewable &&
          A.override_redirect)
        Result = {A.x, A.y};
    }
    XFree(Children);
  }
  XCloseDisplay(D);
  return Result;
}
