#include "dials/planar_construction.h"

#include <algorithm>
#include <cmath>

#include "astro/format.h"
#include "astro/pascal_math.h"
#include "dials/planar_style.h"
#include "output/page_model.h"
#include "texts/pair_texts.h"
#include "texts/text_table.h"

namespace lumtar::dials {

using platform::Caption;

bool UmbrellaDialAllowed(const model::Model& model, platform::Ui& ui) {
  if (model.selectors.UmbrellaFlag == 0) return true;
  const texts::Language lang = model.Language;
  const double r = model.parameters.UmbrellaDiskRatio;
  if (r == 0 || !std::isfinite(r)) {
    ui.Message(Caption::kError, texts::RawText(1131, lang));
    return false;
  }
  if (model.DialKind == 'i') {
    const double i = model.parameters.Inclination;
    if (i >= 90 || astro::TanDeg(i) >= 1 / std::fabs(r)) {
      ui.Message(Caption::kWarning, texts::RawText(1132, lang));
      return false;
    }
  }
  return true;
}

PlanarConstruction PreparePlanarConstruction(model::Model& model,
                                             const Rect& rect,
                                             double units_per_mm,
                                             Point origin) {
  double& zoom = model.window.Zoom;
  if (!std::isfinite(zoom) || zoom <= 0) zoom = output::kZoomStart;
  zoom = std::clamp(zoom, output::kZoomMin, output::kZoomMax);
  PlanarConstruction c;
  c.units_per_mm = units_per_mm;
  c.gnomon_mm = DrawnGnomonMm(model.parameters.GnomonHeight, zoom);
  zoom = std::clamp(zoom, output::kZoomMin, output::kZoomMax);
  if (model.DialKind == 'h' && std::fabs(model.parameters.Latitude) < 1e-5)
    model.parameters.Latitude = 1e-6;

  // The angle table follows the reference of the drawn hour lines: the
  // site's own meridian, or the zone meridian with the longitude
  // correction.
  c.table = ComputeHourLineAngles(model, !model.options.ApparentAtSite);
  model.window.HourLineAngles = c.table.HourLineAngles;
  model.window.HourAngleLimits = {c.table.first_limit, c.table.last_limit};

  c.setup = MakePlanarSetup(model, rect, units_per_mm * c.gnomon_mm, origin);
  c.hour_lines =
      std::make_shared<HourLineSamples>(c.setup.year, c.setup.zone_meridian);
  return c;
}

Point DefaultOrigin(char kind, double latitude, int w, int h) {
  w = std::max(w, 1);
  h = std::max(h, 1);
  const double x = (w + 1) / 2;
  if (kind == 'v') return {x, static_cast<double>((w + 1) / 32)};
  double y = std::fabs(latitude) > 30 ? 3 * h / 4 : (h + 1) / 2;
  if (latitude < 0) y = h - y;
  return {x, y};
}

Point DefaultLabelBox(char kind, double latitude, int w, int h) {
  w = std::max(w, 1);
  h = std::max(h, 1);
  const double x = 3 * w / 8;
  if (latitude < 0) return {x, static_cast<double>(h - w / 10)};
  if (kind == 'v') return {x, 0.85 * h};
  return {x, static_cast<double>(h / 25)};
}

std::vector<HourLabelPoint> TracePlanarFamily(PlanarFamily family,
                                              const PlanarConstruction& c,
                                              const model::Model& model,
                                              PenSink& pen, platform::Ui& ui) {
  const PlanarSetup& s = c.setup;
  const model::LineOptions& o = model.options;
  switch (family) {
    case PlanarFamily::kSunshine:
      if (model.window.ShowSunshineLines) TraceSunshineLines(s, pen);
      break;
    case PlanarFamily::kDeclination:
      if (o.DateLineMode != '3') TraceDeclinationLines(s, model, pen, ui);
      break;
    case PlanarFamily::kApparentHours:
      if (o.ShowHourLines)
        TraceHourLines(s, model, false, pen, c.hour_lines.get());
      break;
    case PlanarFamily::kFootPointLines:
      if (o.ShowHourLines)
        TraceFootPointLines(s, model, c.table, pen, c.hour_lines.get());
      break;
    case PlanarFamily::kMeanHours:
      if (o.ShowMeanHourLines)
        TraceHourLines(s, model, true, pen, c.hour_lines.get());
      break;
    case PlanarFamily::kAnalemma:
      if (o.ShowAnalemmaMarks) TraceAnalemma(s, model, pen, c.hour_lines.get());
      break;
    case PlanarFamily::kTemporalHours:
      if (o.ShowTemporalHours) TraceTemporalHours(s, model, pen, ui);
      break;
    case PlanarFamily::kBabylonianItalian:
      if (o.ShowBabylonianHours || o.ShowItalianHours)
        return TraceBabylonianItalianHours(s, model, pen, ui);
      break;
    case PlanarFamily::kAltitudeLines:
      if (o.ShowAltitudeLines) TraceAltitudeLines(s, model, pen);
      break;
    case PlanarFamily::kHorizon:
      TraceHorizonLine(s, pen);
      break;
    case PlanarFamily::kPoleTriangle:
      if (o.ShowPoleTriangle && !s.umbrella) TracePoleTriangle(s, pen);
      break;
  }
  return {};
}

int ScreenColorIndex(LineRole role) {
  switch (role) {
    case LineRole::kDeclination:
      return 0;
    case LineRole::kSunshine:
      return 10;
    case LineRole::kApparentHour:
    case LineRole::kFootPointLine:
      return 2;
    case LineRole::kApparentSubdivision:
    case LineRole::kHourSystemSubdivision:
      return 7;
    case LineRole::kMeanHour:
    case LineRole::kAnalemma:
      return 3;
    case LineRole::kMeanSubdivision:
      return 1;
    case LineRole::kTemporalHour:
      return 9;
    case LineRole::kBabylonianHour:
      return 6;
    case LineRole::kItalianHour:
      return 5;
    case LineRole::kAltitude:
    case LineRole::kHorizon:
      return 4;
    case LineRole::kPoleTriangle:
      return 2;  // drawn in red whatever the palette says
  }
  return 3;
}

int PlotPen(LineRole role) {
  switch (role) {
    case LineRole::kDeclination:
      return 1;
    case LineRole::kSunshine:
      return 11;
    case LineRole::kApparentHour:
      return 3;
    case LineRole::kApparentSubdivision:
      return 8;
    case LineRole::kMeanHour:
    case LineRole::kAnalemma:
    case LineRole::kFootPointLine:
    case LineRole::kPoleTriangle:
      return 4;
    case LineRole::kMeanSubdivision:
      return 2;
    case LineRole::kTemporalHour:
      return 10;
    case LineRole::kBabylonianHour:
      return 7;
    case LineRole::kItalianHour:
      return 6;
    case LineRole::kHourSystemSubdivision:
      return 9;
    case LineRole::kAltitude:
    case LineRole::kHorizon:
      return 5;
  }
  return 4;
}

std::string PlanarTitle(const model::Model& model) {
  const char kind = model.DialKind;
  int id;
  if (model.selectors.UmbrellaFlag != 0) {
    id = kind == 'h' ? 1206 : (kind == 'v' ? 1207 : 1208);
  } else if (kind == 'v') {
    id = 1204;
  } else {
    id = kind == 'h' || model.parameters.Inclination == 0 ? 1203 : 1205;
  }
  std::string title(texts::RawText(id, model.Language));
  if (title.size() > 60) title.resize(60);
  return title;
}

std::vector<std::string> PlanarDataLines(const model::Model& model) {
  const texts::Language lang = model.Language;
  const auto& p = model.parameters;
  const auto text = [&](int id) {
    return std::string(texts::RawText(id, lang));
  };
  const std::string deg(texts::PhraseText(105, lang));
  const auto num = [](int width, double v) {
    return astro::FormatFixed(width, 2, v);
  };
  std::vector<std::string> lines;
  lines.push_back(text(1209) + num(6, p.Latitude) + deg + text(1210) +
                  num(6, p.Longitude) + deg);
  const bool umbrella = model.selectors.UmbrellaFlag != 0;
  const double r = p.UmbrellaDiskRatio;
  switch (model.DialKind) {
    case 'i':
      if (umbrella) {
        lines.push_back(text(1211) + num(5, p.Inclination) + deg + "; " +
                        text(1212) + num(5, p.WallDeclination) + deg +
                        text(1223) + num(6, r) + text(1224));
      } else {
        lines.push_back(text(1212) + num(6, p.WallDeclination) + deg + ";  " +
                        text(1211) + num(6, p.Inclination) + deg);
      }
      break;
    case 'v':
      lines.push_back(text(1212) + num(6, p.WallDeclination) + deg +
                      (umbrella ? text(1225) + num(6, r) + text(1224) : ""));
      break;
    default:
      if (umbrella) lines.push_back(text(1213) + num(6, r) + text(1214));
      break;
  }
  for (std::string& l : lines)
    if (l.size() > 70) l.resize(70);
  return lines;
}

}  // namespace lumtar::dials
