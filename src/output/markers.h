#pragma once

#include <string_view>

#include "platform/canvas.h"

namespace lumtar::output {

// Drawing primitives the dial drawers and the construction window share.
// Coordinates are device units of the canvas.

// Paints the rectangle (0, 0)..(width, height) white; pen and brush are
// left as they were.
void ClearCanvas(platform::Canvas& canvas, int width, int height);

// Text at (x, y) in the canvas's current face with em height `height`,
// `weight` and direction `angle_deg` (anticlockwise; 90 runs upwards). The
// current font is restored afterwards. An empty text draws nothing.
void RotatedText(platform::Canvas& canvas, int x, int y, std::string_view text,
                 int weight, int height, double angle_deg);

// A cross of half-size a: (x - a, y)..(x + a, y) and (x, y - a)..(x, y + a).
void CrossMarker(platform::Canvas& canvas, int x, int y, int a);

// A circle of radius r around (x, y) drawn with a red pen of width 1; the
// pen stays selected.
void PointMarker(platform::Canvas& canvas, int x, int y, int r);

// The marker of the gnomon foot: a dotted not-xor square from point - 4 to
// point + 4, so drawing it twice removes it. Pen and brush are restored.
void OriginMarker(platform::Canvas& canvas, platform::Point point);

// The marker of the label box, top-left at `point`: a not-xor rectangle in
// blue (0xFF0000), image width x 0.29 wide for kinds 'c' and 'm', x 0.3 for
// 'v', x 0.33 otherwise, and image width / 14 high (both rounded). Drawing
// it again removes it. Kind 'w' places no label box: nothing is drawn.
void LabelBoxMarker(platform::Canvas& canvas, platform::Point point,
                    int image_width, char dial_kind);

}  // namespace lumtar::output
