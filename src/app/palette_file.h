#pragma once

#include <filesystem>

#include "model/model.h"
#include "platform/ui.h"

namespace lumtar::app {

// The colour panel's "Save Colors" and "Load Colors": the palette (the
// twelve colours and the line width) kept in the start configuration
// lum.ini (normally SettingsPath()). The colours are the twelve lines after
// "[Farben]", colour 1 first, one decimal 0x00BBGGRR value each; the line
// width is the digit at position 29 of line 9. Every other byte of the file
// stays as it is (line ends become CR LF). Messages go through `ui` in the
// model's language; after either call the panel refreshes its swatches.

enum class PaletteFileStatus {
  kSaved,            // the file now holds the palette
  kLoaded,           // the palette was read (bad values took their defaults)
  kMissing,          // no such file; Load took the built-in colours
  kNoColourSection,  // the file has no "[Farben]" line; nothing changed
  kFailed,           // the file could not be read or replaced; unchanged
};

// Writes the model's palette into `settings_file`, replacing up to twelve
// lines after its last "[Farben]" (fewer when the next section comes first)
// by the twelve colours. The file is replaced atomically: a failed save
// leaves the previous file as it was. Says "Colors saved in INI-File
// lum.ini!" (Information) only after success; a missing file gets "File
// missing. ..." (Warning), a file without "[Farben]" its name with " :
// INI-Datei ist fehlerhaft!" (Error), a failed write its name with "Could
// not save INI-file! (Write-protection?)" (Error). The line width goes to
// line 9 position 29 when line 9 reaches that far.
PaletteFileStatus SavePalette(const model::Model& model,
                              const std::filesystem::path& settings_file,
                              platform::Ui& ui);

// Reads the palette of `settings_file` into the model: at most twelve lines
// after its last "[Farben]", up to the next section or the end of the file,
// go to colours 1, 2, ...; colours beyond a short section keep their
// values. A line that is not a colour (a decimal integer 0..0xFFFFFF) shows
// "[Farben] : Error in Input !" (Error) and that colour takes its built-in
// default; reading goes on. A line width digit 1..3 at line 9 position 29
// is taken, any other character there is reported alike and gives thin
// lines; a shorter line 9 leaves the width alone. A missing file shows its
// name with " is deactivated!" (Warning) and takes the built-in colours; a
// file without "[Farben]" shows "No color set is saved!" (Warning) and
// changes nothing.
PaletteFileStatus LoadPalette(model::Model& model,
                              const std::filesystem::path& settings_file,
                              platform::Ui& ui);

}  // namespace lumtar::app
