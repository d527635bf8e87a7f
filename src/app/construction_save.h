#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "app/construction_dispatch.h"
#include "model/model.h"
#include "platform/printer.h"
#include "platform/ui.h"

namespace lumtar::app {

// The save panel of the construction window: HPGL or DXF, the plot line
// width and what happens with the coordinate list.

enum class CoordinateOutput { kNone = 0, kPrinter = 1, kFile = 2 };

struct SavePanelChoice {
  SaveOutput output = SaveOutput::kHpgl;  // kHpgl or kDxf
  std::string typed_name;                 // the panel's file name field
  int line_width = 1;                     // 1 thin, 2 medium, 3 thick
  CoordinateOutput coordinates = CoordinateOutput::kNone;
};

struct SavePanelOutcome {
  ConstructionStatus status = ConstructionStatus::kRefused;
  std::filesystem::path target;       // the plot file written
  std::vector<std::string> messages;  // the converter's information list
};

// "C&ontinue >>": the question for a picked foot outside the image (Yes
// cancels), the save dialog proposing the typed name with the output's
// extension, then the save: the plot file, the coordinate list beside it
// (asks before replacing one) or on `printer`. A cancelled dialog changes
// no file. Without coordinate output for the kind the choice counts as
// none.
SavePanelOutcome RunSavePanel(model::Model& model,
                              const SavePanelChoice& choice, platform::Ui& ui,
                              platform::Printer* printer);

// The coordinate list of the current construction sent to the printer's
// text channel. False (with a message) when the kind has none or the
// printer fails.
bool PrintCoordinateList(model::Model& model, platform::Printer& printer,
                         platform::Ui& ui);

// "Save Sundial Data as ..." and "Load Sundial Data from ...": the file
// dialogs with their titles and filters, then the settings writer or
// reader. Loading never rewrites the file; true when the model changed.
bool SaveConstructionData(model::Model& model, platform::Ui& ui);
bool LoadConstructionData(model::Model& model, platform::Ui& ui);

}  // namespace lumtar::app
