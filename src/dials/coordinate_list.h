#pragma once

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "dials/pen_sink.h"
#include "dials/planar_geometry.h"
#include "model/model.h"
#include "platform/ui.h"
#include "texts/language.h"

namespace lumtar::dials {

struct PlanarConstruction;

// The coordinate list of a planar construction: what a maker transfers to a
// wall or feeds to a cutter. One block per drawn piece of line, named by
// its family and value ("apparent time 14:30", "date line 21.6."), with
// its points in millimetres relative to the gnomon foot O, x to the right
// and y up.

// Records the line work of a construction, converting device units (y
// downward) into millimetres from O (y up).
class CoordinateRecorder : public PenSink {
 public:
  struct Block {
    std::string name;
    std::vector<Point> points;  // mm from O, y up
  };

  // The frame of the device units that follow: the gnomon foot and the
  // device units per millimetre.
  void SetFrame(Point origin, double units_per_mm);

  void BeginLine(LineRole role, double value, const char* label) override;
  void MoveTo(double x, double y) override;
  void LineTo(double x, double y) override;
  void Mark(double x, double y, bool filled) override;

  // The header of the list, written by the plot writer that fills it.
  void SetHeader(std::string header) { header_ = std::move(header); }
  const std::string& header() const { return header_; }

  // The whole list: the header, then the blocks.
  std::string Text(texts::Language language) const;

  // The blocks in drawing order: pieces of one line with a single segment
  // or more, a line of several pieces numbered "part 1", "part 2", ...;
  // the marks of a line as one block of its own.
  std::vector<Block> Blocks(texts::Language language) const;

 private:
  struct Line {
    std::string label;
    std::vector<std::vector<Point>> pieces;
    std::vector<Point> marks;
  };
  Point ToMm(double x, double y) const;
  Line& Current();

  Point origin_{0, 0};
  double units_per_mm_ = 1;
  std::string header_;
  std::vector<Line> lines_;
};

// The header of the list: the dial, the site, the gnomon, the foot point
// of the polar style with the style data, the sunshine period and the
// hour-line angle table of plain dials. UTF-8, lines ended by CR LF.
std::string CoordinateListHeader(const model::Model& model,
                                 const PlanarConstruction& construction);

// The header followed by one block per line: its name, then its points,
// x and y with two decimals, one point per line.
std::string CoordinateListText(
    const std::string& header,
    const std::vector<CoordinateRecorder::Block>& blocks,
    texts::Language language);

// Writes `text` into `path` in Windows-1252, atomically: the previous file
// stays untouched on failure, which is shown on `ui` (one message). True
// when the file is in place.
bool SaveCoordinateList(const std::filesystem::path& path,
                        const std::string& text, platform::Ui& ui,
                        texts::Language language);

}  // namespace lumtar::dials
