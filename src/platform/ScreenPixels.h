// Copying 32-bit pixels to the screen through the drawing context the window toolkit hands a paint
// handler: a cairo context on Linux, a device context on Windows.
#pragma once

namespace platform {

// Copies the block of Width x Height pixels at (SourceX, SourceY) of a picture (bytes blue, green,
// red, unused; rows top-down, Stride bytes apart, the first at Pixels) to (X, Y) of the context.
// Only the rows of the block are read.
void DrawPixels(void* NativeContext, const void* Pixels, int Stride, int SourceX, int SourceY,
                int Width, int Height, int X, int Y);

} // namespace platform
