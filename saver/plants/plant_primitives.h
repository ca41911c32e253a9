#pragma once
// Drawing primitives the plant generators share: one line with a pen of its own, and the
// jittered direction of a drawn segment. Angles rest on pi taken as 3.14159.
#include "saver/core/drawing_surface.h"

namespace verdant {

inline constexpr double kDegreesToRadians = 0.01745327777777778;  // 3.14159 / 180
inline constexpr double kRadiansToDegrees = 57.29582790879778;    // 180 / 3.14159

// One line from (x0, y0) to (x1, y1) in palette entry `color`, with a solid pen of `width`
// (truncated) made for it alone. Coordinates are truncated toward zero.
void DrawSegment(DrawingSurface& surface, double x0, double y0, double x1, double y1, double width,
                 unsigned color);

// Direction of the segment in degrees (y grows downwards, 270 is straight up) plus `offset`
// plus a jitter of -0.9 to 1.0; takes one random draw.
double BranchAngle(double x0, double y0, double x1, double y1, double offset);

}  // namespace verdant
