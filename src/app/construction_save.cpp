#include "app/construction_save.h"

#include <system_error>

#include "app/construction_view.h"
#include "app/settings_file.h"
#include "output/output_texts.h"
#include "output/plot_save.h"
#include "texts/captions.h"
#include "texts/pair_texts.h"
#include "texts/text_table.h"

namespace lumtar::app {

namespace fs = std::filesystem;

SavePanelOutcome RunSavePanel(model::Model& model,
                              const SavePanelChoice& choice, platform::Ui& ui,
                              platform::Printer* printer) {
  SavePanelOutcome outcome;
  const texts::Language lang = model.Language;
  if (!ContinueWithOriginOutside(model, ui)) return outcome;
  const output::HpglMode mode = choice.output == SaveOutput::kHpgl
                                    ? output::HpglMode::kHpgl
                                    : output::HpglMode::kForDxf;
  const fs::path proposed = output::ProposedPlotName(choice.typed_name, mode);
  const auto chosen = ui.ChooseSaveFile(
      texts::CaptionPairText(texts::CaptionPair::kSaveGraphicsFile, lang),
      mode == output::HpglMode::kHpgl ? "HPGL (*.plt)" : "DXF (*.dxf)",
      proposed.string());
  if (!chosen) return outcome;
  CoordinateOutput coordinates = choice.coordinates;
  const ConstructionEntry* entry = FindConstruction(model);
  if (entry == nullptr || !entry->coordinate_list)
    coordinates = CoordinateOutput::kNone;

  SaveRequest request;
  request.output = choice.output;
  request.target = output::WithExtension(
      *chosen, mode == output::HpglMode::kHpgl ? "plt" : "dxf");
  request.line_width = choice.line_width;
  request.grid = dials::PlotGrid::kAsk;
  request.coordinates_beside = coordinates == CoordinateOutput::kFile;
  const SaveResult saved = SaveConstruction(model, request, ui);
  outcome.status = saved.status;
  outcome.target = request.target;
  outcome.messages = saved.messages;
  if (saved.status == ConstructionStatus::kDone &&
      coordinates == CoordinateOutput::kPrinter && printer != nullptr &&
      !PrintCoordinateList(model, *printer, ui))
    outcome.status = ConstructionStatus::kFailed;
  return outcome;
}

bool PrintCoordinateList(model::Model& model, platform::Printer& printer,
                         platform::Ui& ui) {
  const texts::Language lang = model.Language;
  const ConstructionEntry* e = FindConstruction(model);
  if (e == nullptr || !e->coordinate_list) {
    ui.Message(platform::Caption::kInformation, NotAvailableText(model));
    return false;
  }
  // The plot is written at fine resolution only to record its lines.
  dials::CoordinateRecorder recorder;
  const fs::path temporary =
      output::TemporaryPlotPath(fs::temp_directory_path() / "lum.plt");
  bool drawn = false;
  {
    output::PlotFile plot;
    if (plot.Open(temporary)) {
      dials::PlotRequest r;
      r.mode = output::HpglMode::kForDxf;
      r.grid = dials::PlotGrid::kNone;
      r.coordinates = &recorder;
      drawn = e->plot(plot, model, ui, r);
      plot.Close();
    }
  }
  std::error_code ec;
  fs::remove(temporary, ec);
  if (!drawn) return false;
  printer.SetOrientation(platform::Orientation::kPortrait);
  if (!printer.BeginDocument(e->name) ||
      !printer.WriteText(recorder.Text(lang)) || !printer.EndDocument()) {
    ui.Message(platform::Caption::kError, texts::MessageText(42, lang));
    return false;
  }
  return true;
}

bool SaveConstructionData(model::Model& model, platform::Ui& ui) {
  const texts::Language lang = model.Language;
  const auto chosen = ui.ChooseSaveFile(
      texts::CaptionPairText(texts::CaptionPair::kSaveConstruction, lang),
      texts::TitleText(29, lang), "lum.lum");
  if (!chosen) return false;
  return WriteSettingsFile(*chosen, model, ui);
}

bool LoadConstructionData(model::Model& model, platform::Ui& ui) {
  const texts::Language lang = model.Language;
  const auto chosen = ui.ChooseOpenFile(
      texts::CaptionPairText(texts::CaptionPair::kLoadConstruction, lang),
      texts::TitleText(46, lang));
  if (!chosen) return false;
  const SettingsReadReport report =
      ReadSettingsFile(*chosen, SettingsSourceOf(*chosen), model, ui);
  return report.status == SettingsReadStatus::kRead;
}

}  // namespace lumtar::app
