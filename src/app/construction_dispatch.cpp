#include "app/construction_dispatch.h"

#include <system_error>

#include "dials/planar_dial.h"
#include "output/output_texts.h"
#include "output/plot_save.h"
#include "texts/pair_texts.h"
#include "texts/text_table.h"

namespace lumtar::app {

namespace fs = std::filesystem;
using platform::Caption;

namespace {

// One entry per dial family; planar dials cover 'h', 'v' and 'i', plain
// and umbrella.
constexpr ConstructionEntry kConstructions[] = {
    {'h', "planar dial", &dials::DrawPlanarDial, &dials::PlotPlanarDial, true},
    {'v', "planar dial", &dials::DrawPlanarDial, &dials::PlotPlanarDial, true},
    {'i', "planar dial", &dials::DrawPlanarDial, &dials::PlotPlanarDial, true},
};

class RemoveOnExit {
 public:
  explicit RemoveOnExit(fs::path path) : path_(std::move(path)) {}
  ~RemoveOnExit() {
    std::error_code ec;
    fs::remove(path_, ec);
  }

 private:
  fs::path path_;
};

dials::PlotRequest PlotRequestOf(const SaveRequest& r, output::HpglMode mode,
                                 dials::CoordinateRecorder* coordinates) {
  dials::PlotRequest p;
  p.mode = mode;
  p.line_width = r.line_width;
  p.grid = r.grid;
  p.grid_mm = r.grid_mm;
  p.origin_mm = r.origin_mm;
  p.coordinates = coordinates;
  return p;
}

}  // namespace

const ConstructionEntry* FindConstruction(const model::Model& model) {
  for (const ConstructionEntry& e : kConstructions)
    if (e.kind == model.DialKind) return &e;
  return nullptr;
}

std::string NotAvailableText(const model::Model& model) {
  return std::string("No construction for dial kind '") + model.DialKind +
         "' is available yet.";
}

ConstructionStatus DrawConstruction(platform::Canvas& canvas,
                                    model::Model& model,
                                    const dials::DrawTarget& target,
                                    platform::Ui& ui) {
  const ConstructionEntry* e = FindConstruction(model);
  if (e == nullptr) return ConstructionStatus::kNotAvailable;
  if (target.width < 1 || target.height < 1)
    return ConstructionStatus::kRefused;
  return e->draw(canvas, model, target, ui) ? ConstructionStatus::kDone
                                            : ConstructionStatus::kRefused;
}

ConstructionStatus PrintConstruction(platform::Printer& printer,
                                     model::Model& model, platform::Ui& ui) {
  const ConstructionEntry* e = FindConstruction(model);
  if (e == nullptr) return ConstructionStatus::kNotAvailable;
  const texts::Language lang = model.Language;
  const model::ConstructionWindow& w = model.window;
  if (w.OriginPicked && w.ImageWidth >= 1 && w.ImageHeight >= 1 &&
      (w.OriginPoint.x < 0 || w.OriginPoint.y < 0 ||
       w.OriginPoint.x >= w.ImageWidth || w.OriginPoint.y >= w.ImageHeight)) {
    const std::string q = std::string(texts::RawText(1547, lang)) + "\r\n" +
                          std::string(texts::RawText(1548, lang));
    if (ui.Message(Caption::kQuestion, q, platform::Buttons::kYesNo) ==
        platform::Answer::kYes)
      return ConstructionStatus::kRefused;
  }
  const auto failed = [&] {
    ui.Message(Caption::kError, texts::MessageText(42, lang));
    printer.SetOrientation(platform::Orientation::kPortrait);
    return ConstructionStatus::kFailed;
  };
  printer.SetOrientation(platform::Orientation::kLandscape);
  if (!printer.BeginDocument(e->name)) return failed();
  const bool drawn =
      e->draw(printer.canvas(), model,
              {false, printer.page_width(), printer.page_height()}, ui);
  if (!printer.EndDocument()) return failed();
  printer.SetOrientation(platform::Orientation::kPortrait);
  return drawn ? ConstructionStatus::kDone : ConstructionStatus::kRefused;
}

ConstructionStatus PlotConstruction(output::PlotFile& plot, model::Model& model,
                                    platform::Ui& ui,
                                    const dials::PlotRequest& request) {
  const ConstructionEntry* e = FindConstruction(model);
  if (e == nullptr) {
    const int f = output::ResolutionMultiplier(request.mode, model.DialKind,
                                               model.selectors.AltitudeVariant,
                                               model.options.DateCircleMode);
    output::WritePlot(
        plot,
        output::FrameStart(output::FrameOf(output::PlotFrameKind::kPlanar), f));
    output::WritePlot(plot, output::kPlotEnd);
    return ConstructionStatus::kNotAvailable;
  }
  return e->plot(plot, model, ui, request) ? ConstructionStatus::kDone
                                           : ConstructionStatus::kRefused;
}

SaveResult SaveConstruction(model::Model& model, const SaveRequest& request,
                            platform::Ui& ui) {
  SaveResult result;
  const texts::Language lang = model.Language;
  const ConstructionEntry* e = FindConstruction(model);
  if (e == nullptr) {
    ui.Message(Caption::kInformation, NotAvailableText(model));
    result.status = ConstructionStatus::kNotAvailable;
    return result;
  }

  if (request.output == SaveOutput::kCoordinates) {
    if (!e->coordinate_list) {
      ui.Message(Caption::kInformation, NotAvailableText(model));
      result.status = ConstructionStatus::kNotAvailable;
      return result;
    }
    // The plot is written at fine resolution only to record its lines.
    dials::CoordinateRecorder recorder;
    const fs::path temporary = output::TemporaryPlotPath(request.target);
    RemoveOnExit cleanup(temporary);
    output::PlotFile plot;
    if (!plot.Open(temporary)) {
      ui.Message(Caption::kError, std::string(output::MessageEntry53(lang)) +
                                      "\r\n" + plot.error());
      return result;
    }
    const bool drawn =
        e->plot(plot, model, ui,
                PlotRequestOf(request, output::HpglMode::kForDxf, &recorder));
    plot.Close();
    if (!drawn) {
      result.status = ConstructionStatus::kRefused;
      return result;
    }
    if (dials::SaveCoordinateList(request.target, recorder.Text(lang), ui,
                                  lang))
      result.status = ConstructionStatus::kDone;
    return result;
  }

  const output::HpglMode mode = request.output == SaveOutput::kHpgl
                                    ? output::HpglMode::kHpgl
                                    : output::HpglMode::kForDxf;
  const int f = output::ResolutionMultiplier(mode, model.DialKind,
                                             model.selectors.AltitudeVariant,
                                             model.options.DateCircleMode);
  dials::CoordinateRecorder recorder;
  const bool with_list = request.coordinates_beside && e->coordinate_list;
  bool refused = false;
  output::PlotSaveRequest save;
  save.target = request.target;
  save.mode = mode;
  save.line_width = request.line_width;
  save.divisor = output::DxfDivisor(f);
  const output::PlotSaveResult saved = output::SavePlot(
      save,
      [&](output::PlotFile& plot) {
        refused = !e->plot(
            plot, model, ui,
            PlotRequestOf(request, mode, with_list ? &recorder : nullptr));
        return !refused;
      },
      ui, lang);
  result.messages = saved.messages;
  if (!saved.saved) {
    result.status =
        refused ? ConstructionStatus::kRefused : ConstructionStatus::kFailed;
    return result;
  }
  result.status = ConstructionStatus::kDone;
  if (with_list) {
    const fs::path list = output::CoordinateFileName(request.target);
    if (output::MayOverwrite(list, ui, lang) &&
        !dials::SaveCoordinateList(list, recorder.Text(lang), ui, lang))
      result.status = ConstructionStatus::kFailed;
  }
  return result;
}

}  // namespace lumtar::app
