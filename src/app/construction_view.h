#pragma once

#include <string>

#include "model/model.h"
#include "platform/ui.h"

namespace lumtar::app {

// The rules of the construction window that need no widget: zoom and the
// mouse wheel, the picked positions, which controls a dial kind enables,
// the caption, hints and help contexts. The window only binds them.

// Zoom after the "&Display" button: exactly 1 (the grid goes off).
void ResetView(model::Model& model);

// One zoom step in (`steps` > 0) or out (< 0); Zoom stays within 1/64..64.
void StepZoom(model::Model& model, int steps);

// The mouse-wheel rule: a delta of -299 or more multiplies Zoom by
// 1 + delta / 2000 (kept within 1/64..64) and answers true; a larger turn
// towards the user is ignored (false).
bool WheelZoom(model::Model& model, int delta);

// Remembers the size of the image the picked positions refer to; a size
// below 1 x 1 is kept as 0 x 0 (nothing is drawn then).
void SetImageSize(model::Model& model, int width, int height);

// Positions placed with the mouse, in image pixels.
void PickOrigin(model::Model& model, int x, int y);
void PickLabelBox(model::Model& model, int x, int y);

// True when a picked gnomon foot lies outside the image.
bool OriginOutsideImage(const model::ConstructionWindow& window);

// What opening the window does to the positions of a kind: the planar
// kinds fall back to their own places (nothing picked yet); the
// compressed and mean-time dials start at (w / 2, 2h / 3) with Zoom 1.
void PlaceOnOpening(model::Model& model, int width, int height);

// Which controls a kind enables.
struct ConstructionControls {
  bool zoom_and_grid = false;    // zoom buttons, "...+&Grid", the wheel
  bool style_info = false;       // "Stylus&Info"
  bool angle_table = false;      // "&Hour lines" and the longitude check box
  bool pole_triangle = false;    // the pole triangle and foot-point items
  bool pick_origin = false;      // a left click fixes the gnomon foot
  bool pick_label_box = false;   // Alt + left click marks the text box
  bool coordinates = false;      // the save panel's coordinate choice
  bool expert_panel = false;     // coastline and border check boxes
  bool shadow_preview = false;   // the date/time control of the sun's shadow
  bool origin_question = false;  // print and save ask for a foot outside
};
ConstructionControls ControlsFor(const model::Model& model);

// True for 'h', 'v', 'i' without the umbrella.
bool IsPlainPlanar(const model::Model& model);

// "Construction of a" + the kind text, e.g. "Construction of a Vertical
// Sundial", in the model's language.
std::string ConstructionCaption(const model::Model& model);

// The image hint: "Left mouseclick fixes gnomon position" where clicks
// place the foot, else "Right mouseclick for popUp menu // <F1> for help !".
std::string ImageHint(const model::Model& model);

// The help context of the kind's construction (plain planar 11, umbrella
// 12, a 17, c 212 or 10, k 19, m 54, p 58, q 14, r 20, w 55, z 27).
int ConstructionHelpContext(const model::Model& model);

// Asked before printing a kind that would draw temporal hours beyond 63
// degrees of latitude: shows "Temporal hours are not possible in this
// latitude!" and answers false. The planar kinds check their own limits.
bool TemporalHoursPrintable(const model::Model& model, platform::Ui& ui);

// Asked before print and save when the picked foot lies outside the image
// (kinds c, h, i, v and the polar-gnomon cylinder): "Foot of gnomon is
// outside the displayed area!" / "Do you wish to cancel?". True when the
// user wants to go on (or nothing needed asking).
bool ContinueWithOriginOutside(const model::Model& model, platform::Ui& ui);

}  // namespace lumtar::app
