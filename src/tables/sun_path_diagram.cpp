#include "tables/sun_path_diagram.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "tables/graph_texts.h"
#include "texts/months.h"

namespace lumtar::tables {

namespace {

constexpr double kDeg = 3.14159265358979323846 / 180;

// Colour entries and plot pens of the line families.
constexpr int kGrid = 7, kGridPen = 8;
constexpr int kDates = 2;
constexpr int kHours = 3;
constexpr int kPlaneEdge = 10;
constexpr int kPlaneLit = 10;
constexpr int kProfile = 5;

double Wrap(double az) {
  while (az > 180) az -= 360;
  while (az <= -180) az += 360;
  return az;
}

std::string HourText(double hours) {
  const int minutes = static_cast<int>(std::lround(hours * 60));
  std::string s = std::to_string(minutes / 60);
  if (minutes % 60 != 0) {
    const int m = minutes % 60;
    s += (m < 10 ? ":0" : ":") + std::to_string(m);
  }
  return s;
}

std::string DateText(int day, int month, texts::Language lang) {
  return std::to_string(day) + (lang == texts::Language::kGerman ? ". " : " ") +
         std::string(texts::MonthName(month, lang));
}

class Diagram {
 public:
  Diagram(const model::Model& model, const SunPathOptions& options,
          SunPathShape shape, double width, double height, double th,
          double line_scale)
      : model_(model),
        options_(options),
        shape_(shape),
        lang_(model.Language),
        th_(th),
        data_(ComputeSunPath(model, options)) {
    f_.width = width;
    f_.height = height;
    f_.text_height[0] = th;
    f_.text_height[1] = 1.35 * th;
    f_.line_scale = line_scale;
    centre_az_ = model.parameters.Latitude >= 0 ? 0 : 180;
  }

  GraphFigure Build() {
    Layout();
    if (shape_ == SunPathShape::kRectangular) {
      RectGrid();
    } else {
      PolarGrid();
    }
    Lines();
    Texts();
    return std::move(f_);
  }

 private:
  // Margins and scales.
  void Layout() {
    legend_lines_ = 1 + (options_.plane.enabled ? 2 : 0) +
                    (options_.horizon_profile.empty() ? 0 : 1);
    top_ = 5.8 * th_;
    bottom_ = f_.height - (4.6 + 1.4 * legend_lines_) * th_;
    if (shape_ == SunPathShape::kRectangular) {
      left_ = 5 * th_;
      right_ = f_.width - 2.5 * th_;
      double max_x = 90, max_alt = 10;
      for (const DateLine& d : data_.dates)
        for (const SkyRun& r : d.runs)
          for (const astro::AltAz& a : r) {
            max_x = std::max(max_x, std::abs(Wrap(a.azimuth_deg - centre_az_)));
            max_alt = std::max(max_alt, a.altitude_deg);
          }
      half_range_ = std::min(180.0, std::ceil((max_x + 5) / 30) * 30);
      max_alt_ = std::min(90.0, std::ceil((max_alt + 5) / 10) * 10);
    } else {
      const double box_h = bottom_ + 2.5 * th_ - top_;
      radius_ =
          std::max(th_, std::min(f_.width - 6 * th_, box_h) / 2 - 2.2 * th_);
      cx_ = f_.width / 2;
      cy_ = top_ + box_h / 2;
    }
  }

  GraphPoint Map(const astro::AltAz& a) const {
    if (shape_ == SunPathShape::kRectangular) {
      const double x = Wrap(a.azimuth_deg - centre_az_);
      return {left_ + (x + half_range_) / (2 * half_range_) * (right_ - left_),
              bottom_ - a.altitude_deg / max_alt_ * (bottom_ - top_)};
    }
    const double r =
        radius_ * (90 - std::clamp(a.altitude_deg, 0.0, 90.0)) / 90;
    return {cx_ - r * std::sin(a.azimuth_deg * kDeg),
            cy_ + r * std::cos(a.azimuth_deg * kDeg)};
  }

  // True where a line runs round the back of the rectangular diagram.
  bool Jump(const astro::AltAz& a, const astro::AltAz& b) const {
    if (shape_ != SunPathShape::kRectangular) return false;
    return std::abs(Wrap(a.azimuth_deg - centre_az_) -
                    Wrap(b.azimuth_deg - centre_az_)) > 180;
  }

  void Sky(const SkyRun& run, int entry, int pen, int width) {
    GraphPath* path = nullptr;
    for (std::size_t i = 0; i < run.size(); ++i) {
      // Above the top of the rectangular diagram nothing is drawn.
      if (shape_ == SunPathShape::kRectangular &&
          run[i].altitude_deg > max_alt_) {
        path = nullptr;
        continue;
      }
      if (path == nullptr || (i > 0 && Jump(run[i - 1], run[i])))
        path = &f_.Path(entry, pen, width);
      path->points.push_back(Map(run[i]));
    }
  }

  void Line(GraphPoint a, GraphPoint b, int entry, int pen, int width = 1) {
    f_.Path(entry, pen, width).points = {a, b};
  }

  void Label(GraphPoint at, std::string text, double ax, double ay,
             LabelSize size = LabelSize::kNormal, bool bold = false) {
    f_.Label({.at = at,
              .text = std::move(text),
              .size = size,
              .align_x = ax,
              .align_y = ay,
              .bold = bold});
  }

  std::string AzimuthLabel(int az) const { return Degrees(Wrap(az), 0); }

  void RectGrid() {
    const int a0 = static_cast<int>(-half_range_), a1 = -a0;
    for (int x = a0; x <= a1; x += 10) {
      const double az = x + centre_az_;
      const GraphPoint b = Map({0, az}), t = Map({max_alt_, az});
      Line(b, t, kGrid, kGridPen);
      if (x % 30 == 0) {
        Label({b.x, b.y + 0.4 * th_}, AzimuthLabel(static_cast<int>(az)), 0.5,
              0);
        const std::string_view c =
            CompassLetter(static_cast<int>(Wrap(az)), lang_);
        if (!c.empty())
          Label({b.x, b.y + 1.8 * th_}, std::string(c), 0.5, 0,
                LabelSize::kNormal, true);
      }
    }
    for (int h = 10; h <= max_alt_; h += 10) {
      const GraphPoint l = Map({static_cast<double>(h), a0 + centre_az_});
      const GraphPoint r = Map({static_cast<double>(h), a1 + centre_az_});
      Line(l, r, kGrid, kGridPen);
      Label({l.x - 0.4 * th_, l.y}, Degrees(h, 0), 1, 0.5);
    }
    // Frame and horizon.
    const GraphPoint bl = Map({0, a0 + centre_az_}),
                     br = Map({0, a1 + centre_az_});
    const GraphPoint tl = Map({max_alt_, a0 + centre_az_}),
                     tr = Map({max_alt_, a1 + centre_az_});
    f_.Path(0, 1).points = {bl, tl, tr, br};
    Line(bl, br, 0, 1, 2);
    Label({(bl.x + br.x) / 2, bl.y + 3.2 * th_},
          std::string(GraphTextOf(GraphText::kAzimuth, lang_)), 0.5, 0);
    Label({0.5 * th_, tl.y - 0.9 * th_},
          std::string(GraphTextOf(GraphText::kAltitude, lang_)), 0, 1);
  }

  void PolarGrid() {
    const auto circle = [&](double alt, int entry, int pen, int width) {
      GraphPath& p = f_.Path(entry, pen, width);
      for (int az = -180; az <= 180; az += 3)
        p.points.push_back(Map({alt, double(az)}));
    };
    for (int h = 10; h < 90; h += 10) circle(h, kGrid, kGridPen, 1);
    for (int az = -180; az < 180; az += 30) {
      Line(Map({0, double(az)}), Map({80, double(az)}), kGrid, kGridPen);
      const double r = radius_ + 0.5 * th_;
      const double s = std::sin(az * kDeg), c = std::cos(az * kDeg);
      // The label sits outside the circle, its near side towards it.
      const GraphPoint at{cx_ - r * s, cy_ + r * c};
      std::string text = AzimuthLabel(az);
      const std::string_view letter = CompassLetter(az, lang_);
      if (!letter.empty()) text = std::string(letter) + " " + text;
      Label(at, text, 0.5 + 0.5 * s, 0.5 - 0.5 * c, LabelSize::kNormal,
            !letter.empty());
    }
    circle(0, 0, 1, 2);  // the horizon
    // Altitude labels along the radius away from the sun.
    const double away = centre_az_ + 180;
    for (int h = 10; h < 90; h += 10) {
      const GraphPoint p = Map({double(h), away});
      Label({p.x + 0.3 * th_, p.y}, Degrees(h, 0), 0, 1);
    }
    const GraphPoint zenith = Map({90, 0});
    Label({zenith.x + 0.3 * th_, zenith.y}, "90\xC2\xB0", 0, 1);
    Label({f_.width - 0.5 * th_, top_},
          std::string(GraphTextOf(GraphText::kAltitude, lang_)) +
              " 0\xC2\xB0 - 90\xC2\xB0",
          1, 0);
  }

  void Lines() {
    for (const SkyRun& r : data_.plane_edge) Sky(r, kPlaneEdge, kPlaneEdge, 1);
    for (const SkyRun& r : data_.plane_lit) Sky(r, kPlaneLit, kPlaneLit, 4);
    for (const DateLine& d : data_.dates)
      for (const SkyRun& r : d.runs) Sky(r, kDates, kDates, 1);
    if (shape_ == SunPathShape::kRectangular) {
      RectDateLabels();
    } else {
      PolarDateLabels();
    }
    for (const HourLine& h : data_.hours) {
      const astro::AltAz* top = nullptr;
      for (const SkyRun& r : h.runs) {
        Sky(r, kHours, kHours, 1);
        for (const astro::AltAz& a : r)
          if (top == nullptr || a.altitude_deg > top->altitude_deg) top = &a;
      }
      if (top != nullptr) {
        const GraphPoint p = Map(*top);
        Label({p.x, p.y - 0.3 * th_}, HourText(h.clock_hours), 0.5, 1,
              LabelSize::kNormal, true);
      }
    }
    // The skyline over everything else.
    if (!options_.horizon_profile.empty()) {
      SkyRun skyline;
      for (const HorizonPoint& h : options_.horizon_profile)
        skyline.push_back({std::max(0.0, h.altitude_deg), h.azimuth_deg});
      Sky(skyline, kProfile, kProfile, 2);
    }
  }

  // Polar: each date at the end of its line on the horizon, at the rising
  // end while the declination rises and at the setting end while it
  // falls, so that lines of equal declination carry their dates apart.
  void PolarDateLabels() {
    for (const DateLine& d : data_.dates) {
      if (d.runs.empty()) continue;
      const SkyRun& run = d.rising ? d.runs.front() : d.runs.back();
      const GraphPoint p = Map(d.rising ? run.front() : run.back());
      const bool right = p.x > cx_;
      Label({p.x + (right ? -0.3 : 0.3) * th_, p.y - 0.2 * th_},
            DateText(d.day, d.month, lang_), right ? 1 : 0, 1);
    }
  }

  // Rectangular: the dates just beside the meridian, above their line;
  // lines that lie closer than a degree of declination share one label.
  void RectDateLabels() {
    const double label_az = centre_az_ + 6;
    std::vector<const DateLine*> order;
    for (const DateLine& d : data_.dates)
      if (!d.runs.empty()) order.push_back(&d);
    std::stable_sort(order.begin(), order.end(),
                     [](const DateLine* a, const DateLine* b) {
                       return a->declination_deg < b->declination_deg;
                     });
    for (std::size_t i = 0; i < order.size();) {
      const DateLine& first = *order[i];
      std::string text = DateText(first.day, first.month, lang_);
      std::size_t j = i + 1;
      for (; j < order.size() &&
             order[j]->declination_deg - order[j - 1]->declination_deg < 1;
           ++j)
        text += ", " + DateText(order[j]->day, order[j]->month, lang_);
      // The line's altitude at the label's azimuth.
      const double alt = astro::AltAzFromHourAngle(
                             model_.parameters.Latitude, first.declination_deg,
                             HourAngleAtAzimuth(first, label_az))
                             .altitude_deg;
      const GraphPoint p = Map({alt, label_az});
      Label({p.x, p.y - 0.25 * th_}, text, 0, 1);
      i = j;
    }
  }

  // The hour angle near noon at which the date line reaches `azimuth`, by
  // bisection within four hours of noon.
  double HourAngleAtAzimuth(const DateLine& d, double azimuth) const {
    const double phi = model_.parameters.Latitude;
    const auto x = [&](double h) {
      return Wrap(
          astro::AltAzFromHourAngle(phi, d.declination_deg, h).azimuth_deg -
          centre_az_);
    };
    const double target = Wrap(azimuth - centre_az_);
    // The sun moves across the diagram to the right north of the tropics
    // and to the left south of them.
    const double sense = x(60) >= x(-60) ? 1 : -1;
    double lo = -60, hi = 60;
    for (int k = 0; k < 40; ++k) {
      const double mid = (lo + hi) / 2;
      if (sense * (x(mid) - target) < 0) {
        lo = mid;
      } else {
        hi = mid;
      }
    }
    return (lo + hi) / 2;
  }

  void Texts() {
    const model::DialParameters& p = model_.parameters;
    Label({0.5 * th_, 0.4 * th_},
          std::string(GraphTextOf(GraphText::kSunPathTitle, lang_)) +
              std::to_string(p.Year),
          0, 0, LabelSize::kLarge, true);
    Label({0.5 * th_, 2.3 * th_},
          SiteLine(p.Latitude, p.Longitude, p.ZoneMeridian, lang_), 0, 0);
    double y = bottom_ + 4.6 * th_;
    const auto legend = [&](std::string text) {
      Label({0.5 * th_, y}, std::move(text), 0, 0);
      y += 1.4 * th_;
    };
    legend(
        std::string(GraphTextOf(!options_.mean_time  ? GraphText::kApparentHours
                                : options_.zone_time ? GraphText::kZoneHours
                                                     : GraphText::kMeanHours,
                                lang_)));
    if (options_.plane.enabled) {
      legend(std::string(GraphTextOf(GraphText::kPlane, lang_)) +
             Degrees(options_.plane.declination, 1) +
             std::string(GraphTextOf(GraphText::kInclination, lang_)) +
             Degrees(options_.plane.inclination, 1));
      legend(std::string(GraphTextOf(GraphText::kFirstLastLight, lang_)) +
             data_.first_last_light);
    }
    if (!options_.horizon_profile.empty())
      legend(std::string(GraphTextOf(GraphText::kHorizonProfile, lang_)));
  }

  const model::Model& model_;
  const SunPathOptions& options_;
  SunPathShape shape_;
  texts::Language lang_;
  double th_;
  SunPathData data_;
  GraphFigure f_;
  double centre_az_ = 0;
  int legend_lines_ = 1;
  double top_ = 0, bottom_ = 0, left_ = 0, right_ = 0;
  double half_range_ = 180, max_alt_ = 90;
  double cx_ = 0, cy_ = 0, radius_ = 1;
};

double CanvasTextHeight(bool screen, int height) {
  return screen ? std::max(10.0, height / 50.0)
                : std::clamp(height / 70.0, 15.0, 30.0);
}

void Draw(platform::Canvas& canvas, const model::Model& model,
          const SunPathOptions& options, SunPathShape shape, int left, int top,
          bool screen, int height, int width) {
  if (width < 1 || height < 1) return;
  RenderOnCanvas(
      SunPathFigure(model, options, shape, width, height,
                    CanvasTextHeight(screen, height), screen ? 1 : 2.5),
      canvas, left, top, model.Colors);
}

void Plot(output::PlotFile& plot, const model::Model& model,
          const SunPathOptions& options, SunPathShape shape,
          const SunPathPlotFrame& frame) {
  PlotFigure(SunPathFigure(model, options, shape, frame.width_mm,
                           frame.height_mm, kPlotCharSizes[0].height * 10, 1),
             plot, frame.x0_mm, frame.y0_mm, false);
}

}  // namespace

GraphFigure SunPathFigure(const model::Model& model,
                          const SunPathOptions& options, SunPathShape shape,
                          double width, double height, double text_height,
                          double line_scale) {
  return Diagram(model, options, shape, width, height, text_height, line_scale)
      .Build();
}

void DrawSunPathRect(platform::Canvas& canvas, const model::Model& model,
                     const SunPathOptions& options, int left, int top,
                     bool screen, int height, int width) {
  Draw(canvas, model, options, SunPathShape::kRectangular, left, top, screen,
       height, width);
}

void DrawSunPathPolar(platform::Canvas& canvas, const model::Model& model,
                      const SunPathOptions& options, int left, int top,
                      bool screen, int height, int width) {
  Draw(canvas, model, options, SunPathShape::kPolar, left, top, screen, height,
       width);
}

void PlotSunPathRect(output::PlotFile& plot, const model::Model& model,
                     const SunPathOptions& options,
                     const SunPathPlotFrame& frame) {
  Plot(plot, model, options, SunPathShape::kRectangular, frame);
}

void PlotSunPathPolar(output::PlotFile& plot, const model::Model& model,
                      const SunPathOptions& options,
                      const SunPathPlotFrame& frame) {
  Plot(plot, model, options, SunPathShape::kPolar, frame);
}

}  // namespace lumtar::tables
