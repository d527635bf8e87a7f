#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "dials/construction_io.h"
#include "model/model.h"
#include "output/plot_file.h"
#include "platform/canvas.h"
#include "platform/printer.h"
#include "platform/ui.h"

namespace lumtar::app {

// The construction window's dispatch: for the current DialKind and its
// variant, the routine that draws on the image or the printer and the one
// that writes the plot file. The other dial families add one entry each.

using DrawRoutine = bool (*)(platform::Canvas&, model::Model&,
                             const dials::DrawTarget&, platform::Ui&);
using PlotRoutine = bool (*)(output::PlotFile&, model::Model&, platform::Ui&,
                             const dials::PlotRequest&);

struct ConstructionEntry {
  char kind;
  const char* name;      // for messages: "planar dial"
  DrawRoutine draw;      // screen and printer
  PlotRoutine plot;      // plot file, HPGL or for DXF
  bool coordinate_list;  // the plot writer can record a coordinate list
};

// The entry of the model's kind and variant, nullptr for a kind without a
// construction yet.
const ConstructionEntry* FindConstruction(const model::Model& model);

enum class ConstructionStatus {
  kDone,
  kRefused,       // the construction refused (its message was shown)
  kNotAvailable,  // no construction of this kind yet
  kFailed,        // printing or saving failed (message shown)
};

// One line saying that the kind has no construction yet.
std::string NotAvailableText(const model::Model& model);

// Draw dispatch: runs the kind's drawer on the image or printer canvas.
// An image smaller than 1 x 1 is not drawn (kRefused).
ConstructionStatus DrawConstruction(platform::Canvas& canvas,
                                    model::Model& model,
                                    const dials::DrawTarget& target,
                                    platform::Ui& ui);

// Print dispatch: asks before printing a gnomon foot picked outside the
// image, then one landscape page drawn true size on the printer canvas;
// "Error - Printing cancelled !" when the printer fails.
ConstructionStatus PrintConstruction(platform::Printer& printer,
                                     model::Model& model, platform::Ui& ui);

// Plot dispatch into an open plot file. A kind without a plot writer
// writes only the frame and answers kNotAvailable.
ConstructionStatus PlotConstruction(output::PlotFile& plot, model::Model& model,
                                    platform::Ui& ui,
                                    const dials::PlotRequest& request);

// The save panel's outputs.
enum class SaveOutput { kHpgl, kDxf, kCoordinates };

struct SaveRequest {
  std::filesystem::path target;  // the file the user chose
  SaveOutput output = SaveOutput::kHpgl;
  int line_width = 1;
  dials::PlotGrid grid = dials::PlotGrid::kAsk;
  double grid_mm = 10;
  std::optional<dials::Point> origin_mm;
  // With an HPGL or DXF file: the coordinate list beside it (the plot
  // name with extension "txt"; asks before replacing an existing one).
  bool coordinates_beside = false;
};

struct SaveResult {
  ConstructionStatus status = ConstructionStatus::kFailed;
  std::vector<std::string> messages;  // the converter's information list
};

// Saves the current construction: HPGL straight into the target, DXF
// through the converter at fine resolution, or the coordinate list alone.
// Every file is written atomically; a refused or failed save leaves no
// file behind and the previous one untouched.
SaveResult SaveConstruction(model::Model& model, const SaveRequest& request,
                            platform::Ui& ui);

}  // namespace lumtar::app
