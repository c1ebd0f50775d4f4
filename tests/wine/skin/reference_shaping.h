// The straightforward way to shape, as a yardstick: one GetPixel per pixel and one CombineRgn per row.
#pragma once
#include <windows.h>

namespace skintest {

// The row-span outline of the DC's top-left width x height pixels (key colour: pixel (0, 0)), every
// pixel read with GetPixel.
HRGN PerPixelOutline(HDC dc, int width, int height);

// ShapeFromCanvas the per-pixel way: applies the outline when it differs from `cached` (which then
// takes a copy). True when applied.
bool PerPixelShapeFromCanvas(HWND window, HRGN cached, HDC canvas, int width, int height);

}  // namespace skintest
