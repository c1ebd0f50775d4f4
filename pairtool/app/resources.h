// Resources compiled into the pairing tool: its background picture and icon.
#pragma once
#include "forms/bitmap.h"

#define IDB_PAIRFORM_BACKGROUND 101
#define IDI_APPLICATION_ICON 1

// The window's background as a forms bitmap; false when the resource cannot be read.
bool LoadBackgroundBitmap(forms::Bitmap* out);
