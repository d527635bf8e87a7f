#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/model.h"

namespace lumtar::app {

// The construction palette: defaults, the colour roles per dial family and
// the rules of the colour panel. (Saving and loading the palette in
// lum.ini: palette_file.h.)

// Colours back to the built-in defaults.
void ResetColours(model::Model& model);

// First role-table row (0, 12, ..., 84) of the dial family of `kind`.
std::uint8_t ColourRoleBlockForKind(char kind);

// Sets the model's ColourRoleBlock from its DialKind.
void UpdateColourRoleBlock(model::Model& model);

// The panel title of the family, e.g. " Horizontal/ Vertical/ Inclining
// Sundial", and the heading " Colors for <title>:".
std::string_view ColourPanelTitle(char kind, bool umbrella,
                                  texts::Language language);
std::string ColourPanelHeading(const model::Model& model);

// One row of the role table (row 1..96): the colour number text of the
// panel's second column and the role in each language. Rows without a role
// are blank.
struct ColourRole {
  std::string_view number;
  std::string_view german;
  std::string_view english;
};
ColourRole ColourRoleRow(int row);

// Row i (1..12) of the panel for the model's current family, in the
// model's language: {number text, role text}.
struct PanelRow {
  std::string_view number;
  std::string_view role;
};
PanelRow ColourPanelRow(const model::Model& model, int i);

// The user picked `colour` (0x00BBGGRR) for colour number n (1..12). For
// the mean-time and Sawyer families (role block above 60) colour 12 then
// follows colour 10 when colour 10 was picked. Numbers outside 1..12 are
// ignored.
void PickColour(model::Model& model, int n, std::uint32_t colour);

// Line-width radio item k (0 thin, 1 medium, 2 thick; others clamp).
void SetLineWidth(model::Model& model, int k);

// y of pattern line i (0..11) in a palette image of height h.
int PaletteLineY(int i, int image_height);

}  // namespace lumtar::app
