#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/construction_window.h"
#include "model/dial_kind.h"
#include "model/dial_parameters.h"
#include "model/line_options.h"
#include "model/palette.h"
#include "texts/language.h"

namespace lumtar::model {

// The user's own date lines as stored: "dd/mm", optionally blanks and a
// comment in parentheses.
inline const std::vector<std::string> kDefaultDateLines = {
    "21/03    ( 21. M\xC3\xA4rz )",
    "21/06    ( 21. Juni )",
    "21/12    ( 21. Dezember )",
};

// All shared state of the program: the current construction, its options,
// the palette and the application switches. Passed by reference; the
// member initialisers are the built-in defaults.
struct Model {
  char DialKind = 'v';
  DialSelectors selectors;
  DialParameters parameters;
  ConstructionValues values;
  LineOptions options;
  HourLineTimes times;
  std::vector<std::string> DateLineList = kDefaultDateLines;

  ColorTable Colors = kDefaultColors;
  std::int32_t LineWidth = 1;        // 1 thin, 2 medium, 3 thick
  std::uint8_t ColourRoleBlock = 0;  // first role-table row of the kind

  texts::Language Language = texts::Language::kGerman;
  std::uint8_t ExpertMode = 1;
  bool ExpertPanel = false;      // construction window's expert panel
  bool ShowBorders = false;      // border outlines
  bool ShowCoastlines = false;   // coastline outlines
  bool NormalWindowSize = true;  // false: dialogs open maximised
  bool DecimalSiteInput = true;  // site dialog in decimal degrees

  // Run-time state of the dialogs and the wizard.
  bool DialogsValid = true;     // site accepted
  bool ParametersValid = true;  // dial parameters accepted
  bool ZoneWarningPending = false;
  std::uint8_t WizardState = 0;   // 0 none, 1 running, 3 next, 5 ...
  std::uint8_t TwilightKind = 2;  // 0 civil, 1 nautical, 2 astronomical

  ConstructionWindow window;  // zoom, picked positions, angle table
};

}  // namespace lumtar::model
