#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui.h"
#include "texts/language.h"

namespace lumtar::output {

// Conversion of an HPGL plot into an ASCII DXF drawing (lines ended by a
// carriage return alone): line types, layers L_0..L_12 (pen n on layer
// L_n, colour n; L_0 colour 7), text styles STANDARD, shx-font and symbols,
// and the entities POLYLINE/VERTEX/SEQEND, CIRCLE, ARC and TEXT. Coordinates
// and lengths are divided by the unit divisor so that one DXF unit is one
// millimetre; angles, pens, line types and directions are not. Everything
// drawn is clipped to the plot's input window (IW).

struct DxfOptions {
  int line_width = 1;       // the save panel's setting, 1 thin .. 3 thick
  double divisor = 40;      // plot units per DXF unit; not positive -> 1
  bool oem_to_ansi = true;  // the final character pass (OemToAnsi)
};

struct DxfConversion {
  bool hpgl = false;       // the input holds a command letter at all
  bool converted = false;  // some drawing or pen command was converted
  bool saved = false;      // ConvertHpglToDxf: the DXF file is in place
  // The information list: warnings about commands and parameters.
  std::vector<std::string> messages;
};

// Receives the DXF text in pieces, in order.
class DxfSink {
 public:
  virtual ~DxfSink() = default;
  virtual void Write(std::string_view bytes) = 0;
};

class StringDxfSink : public DxfSink {
 public:
  void Write(std::string_view bytes) override { text.append(bytes); }
  std::string text;
};

// Converts the HPGL bytes `hpgl` and writes the DXF into `sink` (nothing
// when the input holds no command letter). An overlong command is shown on
// `ui` as an error and cut. Memory and time are linear in the input.
DxfConversion ConvertHpglText(std::string_view hpgl, const DxfOptions& options,
                              DxfSink& sink, platform::Ui& ui);

// Converts the file `input` into the DXF file `output`: written beside it
// under a temporary name and renamed over it only when something was
// converted, so a failed conversion leaves any previous file untouched.
// Shows "saved!" after the rename, or the one message that says why not.
DxfConversion ConvertHpglToDxf(const std::filesystem::path& input,
                               const std::filesystem::path& output,
                               int line_width, double divisor, platform::Ui& ui,
                               bool oem_to_ansi = true);

// The DXF text before the first entity: header, tables, blocks and the
// opening of the entities section. The same for every divisor: its extents
// are those of the plot page in millimetres.
std::string DxfHeader();

// The final character pass of a DXF file. Our plot labels are already
// Windows-1252 (the degree sign, transliterated umlauts), so it maps
// Windows-1252 to itself; the function stays so the choice is visible.
void OemToAnsi(std::string& bytes);

}  // namespace lumtar::output
