#include "app/graph_view.h"

#include "astro/field_readers.h"
#include "astro/format.h"
#include "texts/captions.h"
#include "texts/pair_texts.h"
#include "texts/text_table.h"

namespace lumtar::app {

int GraphTitleMenuItem(tables::GraphKind kind) {
  switch (kind) {
    case tables::GraphKind::kSunPathRect:
      return 35;
    case tables::GraphKind::kSunPathPolar:
      return 36;
    case tables::GraphKind::kEot:
      break;
  }
  return 33;
}

int GraphHelpContext(tables::GraphKind kind) {
  // The equation of time shares the topic of its calculator; the sun path
  // diagrams that of the position of the sun.
  return kind == tables::GraphKind::kEot ? 30 : 29;
}

std::string YFactorText(double factor) {
  return astro::FormatFixed(4, 2, factor);
}

bool ReadYFactor(std::string& text, double& factor, platform::Ui& ui,
                 texts::Language language) {
  const astro::RealFieldResult r = astro::ReadRealField(
      text, factor, astro::StripAccelerators(texts::RawText(1823, language)),
      20, 0.05, ui, language);
  if (r.failed) {
    text = r.rewrite ? *r.rewrite : YFactorText(factor);
    return false;
  }
  factor = r.value;
  text = YFactorText(factor);
  return true;
}

bool PrintGraph(const model::Model& model, const tables::GraphRequest& request,
                platform::Printer& printer, platform::Ui& ui) {
  printer.SetOrientation(platform::Orientation::kLandscape);
  const auto fail = [&] {
    ui.Message(platform::Caption::kError,
               texts::MessageText(42, model.Language));
    return false;
  };
  if (!printer.BeginDocument(
          texts::MenuCaption(GraphTitleMenuItem(request.kind), model.Language)))
    return fail();
  tables::DrawGraph(printer.canvas(), model, request, 0, 0, false,
                    printer.page_height(), printer.page_width());
  if (!printer.EndDocument()) return fail();
  return true;
}

tables::GraphSaveResult SaveGraphAs(const model::Model& model,
                                    const tables::GraphRequest& request,
                                    output::HpglMode mode, platform::Ui& ui) {
  const bool hpgl = mode == output::HpglMode::kHpgl;
  const auto chosen = ui.ChooseSaveFile(
      texts::CaptionPairText(texts::CaptionPair::kSaveGraphicsFile,
                             model.Language),
      hpgl ? "HPGL (*.plt)" : "DXF (*.dxf)", hpgl ? "*.plt" : "*.dxf");
  if (!chosen) return {};
  return tables::SaveGraph(model, request, tables::GraphFileName(*chosen, mode),
                           mode, ui);
}

}  // namespace lumtar::app
