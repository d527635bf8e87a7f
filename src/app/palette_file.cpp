// The palette in lum.ini: the colour panel's save and load.
//
// The file is handled as raw Windows-1252 lines: the palette lines are
// ASCII, so the other lines are written back byte for byte.

#include "app/palette_file.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/ansi_text_file.h"
#include "app/settings_lines.h"
#include "app/value_ranges.h"
#include "astro/field_readers.h"
#include "texts/pair_texts.h"
#include "texts/text_table.h"

namespace lumtar::app {
namespace {

using platform::Caption;
using settings_lines::kColourLines;
using settings_lines::kColoursSection;
using settings_lines::kDateLinesSection;
using settings_lines::kTimesSection;
using settings_lines::TrimBlanks;

constexpr int kOptionsLine = 9;
constexpr std::size_t kLineWidthPosition = 29;

// The colour lines of a file: [first, end) after the last "[Farben]", at
// most twelve, ending at the next section line or the end of the file.
struct ColourLines {
  int section = -1;  // index of "[Farben]", -1 when there is none
  int first = 0;
  int end = 0;
};

bool IsSectionLine(std::string_view line) {
  return line == kTimesSection || line == kDateLinesSection ||
         line == kColoursSection;
}

ColourLines FindColourLines(const std::vector<std::string>& lines) {
  ColourLines c;
  const int n = static_cast<int>(lines.size());
  for (int i = 0; i < n; ++i)
    if (lines[i] == kColoursSection) c.section = i;
  if (c.section < 0) return c;
  c.first = c.section + 1;
  c.end = c.first;
  while (c.end < n && c.end - c.first < kColourLines &&
         !IsSectionLine(lines[c.end]))
    ++c.end;
  return c;
}

// Line 9 holds the line width when it comes before the colours and reaches
// its position.
bool HasLineWidth(const std::vector<std::string>& lines, const ColourLines& c) {
  return c.section > kOptionsLine &&
         lines[kOptionsLine].size() > kLineWidthPosition;
}

bool Exists(const std::filesystem::path& file) {
  std::error_code ec;
  return std::filesystem::exists(file, ec);
}

}  // namespace

PaletteFileStatus SavePalette(const model::Model& model,
                              const std::filesystem::path& settings_file,
                              platform::Ui& ui) {
  const texts::Language l = model.Language;
  if (!Exists(settings_file)) {
    ui.Message(Caption::kWarning, texts::MessageText(33, l));
    return PaletteFileStatus::kMissing;
  }
  const auto bytes = ReadFileBytes(settings_file);
  const auto failed = [&] {
    ui.Message(Caption::kError, settings_file.string() + " :\r\n" +
                                    std::string(texts::MessageText(18, l)));
    return PaletteFileStatus::kFailed;
  };
  if (!bytes) return failed();
  std::vector<std::string> lines = SplitLines(*bytes);
  const ColourLines c = FindColourLines(lines);
  if (c.section < 0) {
    ui.Message(Caption::kError,
               settings_file.string() + std::string(texts::RawText(1652, l)));
    return PaletteFileStatus::kNoColourSection;
  }
  if (HasLineWidth(lines, c) && ranges::kLineWidth.Contains(model.LineWidth))
    lines[kOptionsLine][kLineWidthPosition] =
        static_cast<char>('0' + model.LineWidth);
  std::vector<std::string> colours;
  for (std::uint32_t colour : model.Colors)
    colours.push_back(std::to_string(colour & 0xFFFFFF));
  lines.erase(lines.begin() + c.first, lines.begin() + c.end);
  lines.insert(lines.begin() + c.first, colours.begin(), colours.end());
  if (!WriteFileAtomically(settings_file, JoinCrLf(lines))) return failed();
  ui.Message(Caption::kInformation, texts::MessageText(71, l));
  return PaletteFileStatus::kSaved;
}

PaletteFileStatus LoadPalette(model::Model& model,
                              const std::filesystem::path& settings_file,
                              platform::Ui& ui) {
  const texts::Language l = model.Language;
  if (!Exists(settings_file)) {
    ui.Message(Caption::kWarning,
               settings_file.string() + std::string(texts::MessageText(29, l)));
    model.Colors = model::kDefaultColors;
    return PaletteFileStatus::kMissing;
  }
  const auto bytes = ReadFileBytes(settings_file);
  if (!bytes) {
    ui.Message(Caption::kError, settings_file.string() + " :\r\n" +
                                    std::string(texts::MessageText(24, l)) +
                                    "3");
    return PaletteFileStatus::kFailed;
  }
  const std::vector<std::string> lines = SplitLines(*bytes);
  const ColourLines c = FindColourLines(lines);
  if (c.section < 0) {
    ui.Message(Caption::kWarning, texts::MessageText(30, l));
    return PaletteFileStatus::kNoColourSection;
  }
  const std::string bad_value = std::string(kColoursSection) + " : " +
                                std::string(texts::MessageText(6, l));
  for (int i = c.first; i < c.end; ++i) {
    const int k = i - c.first;
    const auto v = astro::ParseInteger(TrimBlanks(lines[i]));
    if (v && ranges::kColour.Contains(*v)) {
      model.Colors[k] = static_cast<std::uint32_t>(*v);
    } else {
      ui.Message(Caption::kError, bad_value);
      model.Colors[k] = model::kDefaultColors[k];
    }
  }
  if (HasLineWidth(lines, c)) {
    const char digit = lines[kOptionsLine][kLineWidthPosition];
    const int width = digit - '0';
    if (digit >= '0' && digit <= '9' && ranges::kLineWidth.Contains(width)) {
      model.LineWidth = width;
    } else {
      ui.Message(Caption::kError, DecodeWindows1252(lines[kOptionsLine]) +
                                      " : " +
                                      std::string(texts::MessageText(6, l)));
      model.LineWidth = model::Model{}.LineWidth;
    }
  }
  return PaletteFileStatus::kLoaded;
}

}  // namespace lumtar::app
