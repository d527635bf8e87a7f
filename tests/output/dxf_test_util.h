#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "output/hpgl_to_dxf.h"
#include "platform/scripted_ui.h"

namespace lumtar::output::testing {

// The DXF lines of a text whose lines end with a carriage return alone.
inline std::vector<std::string> DxfLines(std::string_view dxf) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < dxf.size(); ++i) {
    if (dxf[i] == '\r') {
      lines.emplace_back(dxf.substr(start, i - start));
      start = i + 1;
    }
  }
  if (start < dxf.size()) lines.emplace_back(dxf.substr(start));
  return lines;
}

// Lines joined with carriage returns, each line ended by one.
inline std::string CrLines(std::initializer_list<std::string_view> lines) {
  std::string s;
  for (auto l : lines) {
    s.append(l);
    s += '\r';
  }
  return s;
}

struct Converted {
  DxfConversion result;
  std::string dxf;
  std::string entities;  // the text after the header
  platform::ScriptedUi ui;
};

inline Converted Convert(std::string_view hpgl, double divisor = 40,
                         int width = 1) {
  Converted c;
  StringDxfSink sink;
  c.result = ConvertHpglText(hpgl, {width, divisor, true}, sink, c.ui);
  c.dxf = sink.text;
  const std::string header = DxfHeader();
  if (c.dxf.compare(0, header.size(), header) == 0)
    c.entities = c.dxf.substr(header.size());
  return c;
}

// The entities of a DXF entity section as (name, [(code, value)]) with the
// codes trimmed.
struct Entity {
  std::string name;
  std::vector<std::pair<std::string, std::string>> groups;
  std::string Value(std::string_view code, int nth = 0) const {
    for (const auto& [c, v] : groups)
      if (c == code && nth-- == 0) return v;
    return "<none>";
  }
};

inline std::string Trim(std::string s) {
  while (!s.empty() && s.front() == ' ') s.erase(0, 1);
  while (!s.empty() && s.back() == ' ') s.pop_back();
  return s;
}

inline std::vector<Entity> Entities(std::string_view entities_text) {
  std::vector<Entity> out;
  const auto lines = DxfLines(entities_text);
  // The text starts with the first entity's name (the "0" before it ends
  // the header).
  std::size_t i = 0;
  while (i < lines.size()) {
    Entity e{lines[i], {}};
    ++i;
    while (i + 1 < lines.size() && Trim(lines[i]) != "0") {
      e.groups.emplace_back(Trim(lines[i]), lines[i + 1]);
      i += 2;
    }
    out.push_back(std::move(e));
    ++i;  // the "0" that opens the next entity
    if (out.back().name == "ENDSEC") break;
  }
  return out;
}

}  // namespace lumtar::output::testing
