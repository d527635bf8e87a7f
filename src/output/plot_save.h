#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "output/plot_file.h"
#include "platform/ui.h"
#include "texts/language.h"

namespace lumtar::output {

// File names of the save panel. Names are derived from the file-name part
// of a path only: the text after its last "." is the extension; a name
// without one gets it appended. Folders are kept as they are.

// `chosen` with extension `extension` ("plt", "dxf", "txt").
std::filesystem::path WithExtension(const std::filesystem::path& chosen,
                                    std::string_view extension);
// The name the save panel proposes: "lum.plt" for HPGL, "lum.dxf" for DXF
// when nothing was typed, else what was typed with that extension.
std::filesystem::path ProposedPlotName(std::string_view typed, HpglMode mode);
// The cone development of the mean-time dial: "Cone" before the extension
// (lum.dxf -> lumCone.dxf).
std::filesystem::path ConeFileName(const std::filesystem::path& chosen);
// The coordinate list beside a plot: the same name with extension "txt".
std::filesystem::path CoordinateFileName(const std::filesystem::path& chosen);
// The temporary plot file "lumtar.$$$" in the folder of `target` (made
// absolute first, so it never lands in some other current folder).
std::filesystem::path TemporaryPlotPath(const std::filesystem::path& target);

// For a derived file: true when `path` does not exist or the user agrees
// to replace it.
bool MayOverwrite(const std::filesystem::path& path, platform::Ui& ui,
                  texts::Language language);

struct PlotSaveRequest {
  std::filesystem::path target;  // the file the user chose
  HpglMode mode = HpglMode::kHpgl;
  int line_width = 1;   // DXF: the save panel's setting 1..3
  double divisor = 40;  // DXF: 40 x the resolution multiplier
};

// Writes one plot into an open plot file. Returns false when it refused or
// gave up (having shown its own message).
using PlotRoutine = std::function<bool(PlotFile&)>;

struct PlotSaveResult {
  bool saved = false;
  std::vector<std::string> messages;  // the converter's information list
};

// Runs `routine` into the temporary plot file and saves the result: HPGL
// by renaming it over the target, DXF by converting it into the target.
// The temporary file is deleted whatever happens; a failure leaves the
// previous target untouched and shows one message; "saved!" comes only
// after the file is in place.
PlotSaveResult SavePlot(const PlotSaveRequest& request,
                        const PlotRoutine& routine, platform::Ui& ui,
                        texts::Language language);

}  // namespace lumtar::output
