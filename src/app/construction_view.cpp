#include "app/construction_view.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "output/page_model.h"
#include "texts/text_table.h"

namespace lumtar::app {

namespace {

double KeptZoom(double zoom) {
  if (!std::isfinite(zoom) || zoom <= 0) zoom = output::kZoomStart;
  return std::clamp(zoom, output::kZoomMin, output::kZoomMax);
}

bool IsPolarGnomonCylinder(const model::Model& m) {
  return m.DialKind == 'z' && m.selectors.CylinderVariant == 2;
}

bool OneOf(char kind, const char* kinds) {
  return kind != '\0' && std::strchr(kinds, kind) != nullptr;
}

}  // namespace

void ResetView(model::Model& model) {
  model.window.Zoom = output::kZoomStart;
  model.window.DrawGrid = false;
}

void StepZoom(model::Model& model, int steps) {
  model.window.Zoom = output::ZoomAfterSteps(model.window.Zoom, steps);
}

bool WheelZoom(model::Model& model, int delta) {
  if (delta < -299) return false;
  model.window.Zoom = KeptZoom(KeptZoom(model.window.Zoom) *
                               (1.0 + static_cast<double>(delta) / 2000.0));
  return true;
}

void SetImageSize(model::Model& model, int width, int height) {
  if (width < 1 || height < 1) width = height = 0;
  model.window.ImageWidth = width;
  model.window.ImageHeight = height;
}

void PickOrigin(model::Model& model, int x, int y) {
  model.window.OriginPicked = true;
  model.window.OriginPoint = {x, y};
}

void PickLabelBox(model::Model& model, int x, int y) {
  model.window.LabelBoxPicked = true;
  model.window.LabelBoxPoint = {x, y};
}

bool OriginOutsideImage(const model::ConstructionWindow& w) {
  if (!w.OriginPicked || w.ImageWidth < 1 || w.ImageHeight < 1) return false;
  return w.OriginPoint.x < 0 || w.OriginPoint.y < 0 ||
         w.OriginPoint.x >= w.ImageWidth || w.OriginPoint.y >= w.ImageHeight;
}

void PlaceOnOpening(model::Model& model, int width, int height) {
  SetImageSize(model, width, height);
  model::ConstructionWindow& w = model.window;
  w.LabelBoxPicked = false;
  if (model.DialKind == 'c' || model.DialKind == 'm') {
    w.OriginPicked = true;
    w.OriginPoint = {width / 2, height * 2 / 3};
    w.Zoom = output::kZoomStart;
    if (model.values.MapScale < 1) model.values.MapScale = 5;
  } else {
    w.OriginPicked = false;
  }
}

bool IsPlainPlanar(const model::Model& model) {
  return OneOf(model.DialKind, "hvi") && model.selectors.UmbrellaFlag == 0;
}

ConstructionControls ControlsFor(const model::Model& model) {
  const char k = model.DialKind;
  const bool cylinder2 = IsPolarGnomonCylinder(model);
  const bool plain = IsPlainPlanar(model);
  ConstructionControls c;
  c.zoom_and_grid = OneOf(k, "chimv") || cylinder2;
  c.style_info = plain || k == 'm';
  c.angle_table = plain;
  c.pole_triangle = plain;
  c.pick_origin = OneOf(k, "chimpvw") || cylinder2;
  c.pick_label_box = c.pick_origin && k != 'w';
  c.coordinates = OneOf(k, "hvi");
  c.expert_panel = OneOf(k, "chiv") && model.ExpertMode != 0;
  c.shadow_preview = OneOf(k, "hvi");
  c.origin_question = OneOf(k, "chiv") || cylinder2;
  return c;
}

std::string ConstructionCaption(const model::Model& model) {
  const texts::Language lang = model.Language;
  std::string caption(texts::RawText(1531, lang));
  const auto add = [&](int id) { caption += texts::RawText(id, lang); };
  const char k = model.DialKind;
  if (OneOf(k, "hvi") && model.selectors.UmbrellaFlag != 0) {
    add(1535);
    return caption;
  }
  switch (k) {
    case 'h':
      add(1532);
      break;
    case 'v':
      add(1533);
      break;
    case 'i':
      add(1534);
      break;
    case 'q':
      add(1536);
      break;
    case 'a':
      add(1537);
      break;
    case 'c':
      add(1538);
      break;
    case 'm':
      add(1539);
      break;
    case 'k':
      add(1540);
      break;
    case 'w':
      caption += " ";
      add(1541);
      break;
    case 'p':
      caption += " ";
      add(1542);
      add(1543);
      break;
    case 'z':
      add(1351);
      add(model.selectors.CylinderVariant == 0   ? 1352
          : model.selectors.CylinderVariant == 1 ? 1362
                                                 : 1363);
      break;
    default:
      break;
  }
  return caption;
}

std::string ImageHint(const model::Model& model) {
  return std::string(texts::RawText(
      OneOf(model.DialKind, "chimpvw") ? 1529 : 1530, model.Language));
}

int ConstructionHelpContext(const model::Model& model) {
  switch (model.DialKind) {
    case 'h':
    case 'v':
    case 'i':
      return model.selectors.UmbrellaFlag != 0 ? 12 : 11;
    case 'a':
      return 17;
    case 'c':
      // The compressed dial's second plane switches to its other page.
      return model.options.SecondPlaneEnabled ? 10 : 212;
    case 'k':
      return 19;
    case 'm':
      return 54;
    case 'p':
      return 58;
    case 'q':
      return 14;
    case 'r':
      return 20;
    case 'w':
      return 55;
    case 'z':
      return 27;
    default:
      return 11;
  }
}

bool TemporalHoursPrintable(const model::Model& model, platform::Ui& ui) {
  if (ControlsFor(model).origin_question) return true;
  const bool temporal =
      model.options.ShowTemporalHours || model.options.HourTimeKind == 2;
  if (!temporal || std::fabs(model.parameters.Latitude) <= 63) return true;
  ui.Message(platform::Caption::kWarning,
             std::string(texts::RawText(1357, model.Language)) + "\r\n" +
                 std::string(texts::RawText(1358, model.Language)));
  return false;
}

bool ContinueWithOriginOutside(const model::Model& model, platform::Ui& ui) {
  if (!ControlsFor(model).origin_question || !OriginOutsideImage(model.window))
    return true;
  const std::string q = std::string(texts::RawText(1547, model.Language)) +
                        "\r\n" +
                        std::string(texts::RawText(1548, model.Language));
  return ui.Message(platform::Caption::kQuestion, q,
                    platform::Buttons::kYesNo) != platform::Answer::kYes;
}

}  // namespace lumtar::app
