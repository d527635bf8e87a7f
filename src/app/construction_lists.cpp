#include "app/construction_lists.h"

#include <cmath>
#include <map>

#include "app/construction_view.h"
#include "astro/format.h"
#include "texts/pair_texts.h"
#include "texts/text_table.h"

namespace lumtar::app {
namespace {

constexpr int kGroups = 4;

bool German(texts::Language l) { return l == texts::Language::kGerman; }

void PrintFailed(platform::Printer& printer, platform::Ui& ui,
                 texts::Language language) {
  printer.SetOrientation(platform::Orientation::kPortrait);
  ui.Message(platform::Caption::kError, texts::MessageText(42, language));
}

platform::Font FixedFont(int height, bool bold) {
  platform::Font f;
  f.name = bold ? "MS Serif" : "Courier New";
  f.height = height;
  f.weight = bold ? platform::kWeightBold : platform::kWeightNormal;
  f.color = platform::kBlack;
  return f;
}

}  // namespace

AngleGrid LayOutAngleGrid(const dials::HourLineAngleTable& table,
                          texts::Language language) {
  AngleGrid g;
  const std::string time =
      std::string(texts::RawText(1563, language)) + " [hh;mm]";
  for (int i = 0; i < kGroups; ++i) {
    g.headings.push_back(time);
    g.headings.push_back(" deg [dd.dd]");
    g.headings.push_back(" tan(alpha)");
  }
  // The cells of each whole hour, in time order.
  std::map<int, std::vector<const dials::HourLineAngleTable::Cell*>> hours;
  for (const auto& c : table.cells)
    hours[static_cast<int>(std::floor(c.hour + 1e-9))].push_back(&c);
  for (const auto& [hour, cells] : hours) {
    (void)hour;
    for (std::size_t first = 0; first < cells.size(); first += kGroups) {
      std::vector<std::string> row(3 * kGroups);
      for (std::size_t k = first; k < cells.size() && k < first + kGroups;
           ++k) {
        const std::size_t col = 3 * (k - first);
        row[col] = cells[k]->time;
        row[col + 1] = cells[k]->angle;
        row[col + 2] = cells[k]->tangent;
      }
      g.rows.push_back(std::move(row));
    }
  }
  return g;
}

std::vector<std::string> StyleInformationLines(const model::Model& model) {
  std::vector<std::string> lines;
  if (!IsPlainPlanar(model)) return lines;
  const texts::Language lang = model.Language;
  const double g =
      std::round(model.parameters.GnomonHeight * model.window.Zoom * 100) / 100;
  const dials::HourLineAngleTable t =
      dials::ComputeHourLineAngles(model, !model.options.ApparentAtSite);
  const auto mm = [](double v) {
    return std::isfinite(v) && std::fabs(v) < 1e6
               ? astro::FormatFixed(10, 2, v) + " mm"
               : std::string("         - - - -");
  };
  const double e = std::fabs(t.style_height) * 3.14159265358979323846 / 180;
  // The polar style runs from the nodus to its foot point on the plane at
  // the style height E: its length is g / sin E, its foot lies g / tan E
  // from the gnomon foot along the substyle.
  const double style_length = std::sin(e) > 1e-9 ? g / std::sin(e) : INFINITY;
  const double foot_distance = std::tan(e) > 1e-9 ? g / std::tan(e) : INFINITY;
  lines.push_back(t.title);
  lines.push_back("");
  lines.push_back("  " + texts::TextById(1217, lang) + " :" +
                  std::string(German(lang) ? 21 : 20, ' ') + mm(g));
  lines.push_back(texts::TextById(1985, lang) +
                  std::string(German(lang) ? 17 : 10, ' ') + mm(style_length));
  lines.push_back(texts::TextById(1986, lang) +
                  std::string(German(lang) ? 4 : 10, ' ') + mm(foot_distance));
  lines.insert(lines.end(), t.summary.begin(), t.summary.end());
  lines.push_back("");
  lines.push_back("  " + t.sunshine_text);
  return lines;
}

bool PrintStyleInformation(const std::vector<std::string>& lines,
                           platform::Printer& printer, platform::Ui& ui,
                           texts::Language language) {
  printer.SetOrientation(platform::Orientation::kPortrait);
  if (!printer.BeginDocument(texts::RawText(1566, language))) {
    PrintFailed(printer, ui, language);
    return false;
  }
  platform::Canvas& canvas = printer.canvas();
  const platform::Font font = FixedFont(39, false);  // 11 points
  const int pitch = font.height * 6 / 5;
  int y = 100;
  canvas.SetFont(font);
  const std::string rule(80, '-');
  canvas.Text(100, y, rule);
  y += pitch;
  for (const std::string& line : lines) {
    canvas.Text(100, y, line);
    y += pitch;
  }
  canvas.Text(100, y, rule);
  if (!printer.EndDocument()) {
    PrintFailed(printer, ui, language);
    return false;
  }
  return true;
}

bool PrintAngleList(const dials::HourLineAngleTable& table,
                    platform::Printer& printer, platform::Ui& ui,
                    texts::Language language) {
  printer.SetOrientation(platform::Orientation::kPortrait);
  if (!printer.BeginDocument(table.title)) {
    PrintFailed(printer, ui, language);
    return false;
  }
  platform::Canvas& canvas = printer.canvas();
  platform::Font title = FixedFont(48, false);
  title.name = "Arial";
  title.weight = platform::kWeightBold;
  canvas.SetFont(title);
  // Centred at x = 900: a proportional face is about half an em wide.
  const int title_width =
      static_cast<int>(table.title.size()) * title.height / 2;
  canvas.Text(900 - title_width / 2, 145, table.title);

  const platform::Font text = FixedFont(35, false);
  const int text_pitch = text.height * 6 / 5;
  canvas.SetFont(text);
  int y = 145 + 2 * title.height;
  for (const std::string& line : table.summary) {
    canvas.Text(60, y, line);
    y += text_pitch;
  }
  canvas.Text(60, y, "  " + table.sunshine_text);
  y += 2 * text_pitch;
  canvas.Text(60, y, texts::RawText(1987, language));
  y += 2 * text_pitch;

  const platform::Font grid = FixedFont(40, true);
  canvas.SetFont(grid);
  const int pitch = grid.height * 6 / 5;
  std::string heading;
  for (int i = 0; i < kGroups; ++i) heading += " hh:mm dd.dd tangens ";
  canvas.Text(60, y, heading);
  y += pitch;
  const AngleGrid g = LayOutAngleGrid(table, language);
  for (const auto& row : g.rows) {
    if (y + pitch > printer.page_height()) {
      printer.NewPage();
      canvas.SetFont(grid);
      y = 100;
    }
    std::string line;
    for (int i = 0; i < kGroups; ++i) {
      std::string t = row[3 * i];
      t.insert(0, t.size() < 6 ? 6 - t.size() : 0, ' ');
      std::string a = row[3 * i + 1];
      // The angle and tangent cells are 9 wide; the printout keeps 6 and 8.
      auto tail = [](const std::string& s, std::size_t n) {
        return s.size() > n ? s.substr(s.size() - n)
                            : std::string(n - s.size(), ' ') + s;
      };
      line += t + tail(a, 6) + tail(row[3 * i + 2], 8) + " ";
    }
    canvas.Text(60, y, line);
    y += pitch;
  }
  if (!printer.EndDocument()) {
    PrintFailed(printer, ui, language);
    return false;
  }
  return true;
}

}  // namespace lumtar::app
