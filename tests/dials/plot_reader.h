#pragma once

// Reads back the plot commands our plot writers produce: pen changes,
// pen-up and pen-down positions, windows, circles and labels, so tests can
// assert on plot coordinates instead of bytes.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace lumtar::dials {

struct PlotCommand {
  std::string name;            // "PU", "PD", "SP", "IW", "CI", "LB", ...
  std::vector<double> values;  // the numbers (not for LB)
  std::string text;            // the label of LB
  int pen = 0;                 // the pen selected when it was given
};

inline std::vector<PlotCommand> ReadPlot(const std::string& hpgl) {
  std::vector<PlotCommand> out;
  int pen = 0;
  std::size_t i = 0;
  while (i < hpgl.size()) {
    const char c = hpgl[i];
    if (c < 'A' || c > 'Z' || i + 1 >= hpgl.size()) {
      ++i;
      continue;
    }
    PlotCommand cmd;
    cmd.name = hpgl.substr(i, 2);
    i += 2;
    if (cmd.name == "LB") {
      const std::size_t end = hpgl.find('\x03', i);
      cmd.text = hpgl.substr(i, end - i);
      i = end == std::string::npos ? hpgl.size() : end + 1;
    } else {
      const std::size_t end = hpgl.find(';', i);
      std::string params = hpgl.substr(
          i, end == std::string::npos ? std::string::npos : end - i);
      for (char& p : params)
        if (p == ',') p = ' ';
      const char* s = params.c_str();
      char* e = nullptr;
      for (double v = std::strtod(s, &e); e != s; v = std::strtod(s, &e)) {
        cmd.values.push_back(v);
        s = e;
      }
      i = end == std::string::npos ? hpgl.size() : end + 1;
    }
    if (cmd.name == "SP" && !cmd.values.empty())
      pen = static_cast<int>(cmd.values[0]);
    cmd.pen = pen;
    out.push_back(cmd);
  }
  return out;
}

struct PlotPoint {
  double x, y;
};

// The polylines drawn with `pen`: each starts at a PU position and runs
// through the PD positions that follow.
inline std::vector<std::vector<PlotPoint>> PolylinesOfPen(
    const std::vector<PlotCommand>& plot, int pen) {
  std::vector<std::vector<PlotPoint>> lines;
  PlotPoint at{0, 0};
  bool open = false;
  for (const PlotCommand& c : plot) {
    if (c.name == "PU") {
      if (c.values.size() >= 2)
        at = {c.values[c.values.size() - 2], c.values.back()};
      open = false;
    } else if (c.name == "PD" && c.values.size() >= 2) {
      if (c.pen != pen) {
        at = {c.values[c.values.size() - 2], c.values.back()};
        continue;
      }
      if (!open) lines.push_back({at});
      open = true;
      for (std::size_t k = 0; k + 1 < c.values.size(); k += 2)
        lines.back().push_back({c.values[k], c.values[k + 1]});
      at = lines.back().back();
    } else if (c.name == "SP") {
      open = false;
    }
  }
  return lines;
}

inline std::string ReadFile(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace lumtar::dials
