#pragma once
// The two pictures of the configuration dialog, drawn by our own code at build time.
#include "saver/resources/bitmap16.h"

namespace verdant {

// "SSBkgBitmap": 8 x 8 cyan, blue where both column and row are odd.
Bitmap16 MakeBackgroundTile();

// "CrestMark": 200 x 150, a fern under a sun on rolling hills, framed.
Bitmap16 MakeCrestMark();

}  // namespace verdant
