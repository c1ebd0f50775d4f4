// Resources compiled into the pairing tool: its background picture and icon.
#pragma once
#include "forms/bitmap.h"
#include "pairtool/app/resource_ids.h"

// The window's background as a forms bitmap; false when the resource cannot be read.
bool LoadBackgroundBitmap(forms::Bitmap* out);
