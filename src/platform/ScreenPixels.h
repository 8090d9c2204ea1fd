// Copying 32-bit pixels to the screen through the drawing context the window toolkit hands a paint
// handler: a cairo context on Linux, a device context on Windows.
#pragma once

namespace platform {

// Copies Width x Height pixels (bytes blue, green, red, unused; rows top-down, Stride bytes apart)
// with their top-left corner at (X, Y) of the context.
void DrawPixels(void* NativeContext, const void* Pixels, int Stride, int Width, int Height, int X,
                int Y);

} // namespace platform
