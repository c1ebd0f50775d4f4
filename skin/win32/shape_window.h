// Cuts a form's window to the outline of its background image.
#pragma once
#include <windows.h>

namespace skin {

// `image` is a STATIC SS_BITMAP control; its own client size bounds the outline. Always applies the
// outline (empty when the picture is entirely key colour) and returns SetWindowRgn's result. An
// image without a picture leaves the window unshaped (0): an empty outline would hide the form.
int ShapeWindowFromImage(HWND window, HWND image);

}  // namespace skin
