#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace lumtar::platform {

// A colour as the drawing code names it: 0x00bbggrr, so 255 is red and
// 0xFF0000 blue.
using Color = std::uint32_t;

inline constexpr Color kBlack = 0x000000;
inline constexpr Color kWhite = 0xFFFFFF;
inline constexpr Color kRed = 0x0000FF;

struct Point {
  int x;
  int y;
  friend bool operator==(const Point&, const Point&) = default;
};

// Copy draws the pen colour; not-xor combines it with what is there, so
// drawing the same figure twice restores the picture.
enum class PenMode { kCopy, kNotXor };
enum class PenStyle { kSolid, kDot, kNone };

struct Pen {
  Color color = kBlack;
  int width = 1;  // device units; 0 and 1 both draw the thinnest line
  PenMode mode = PenMode::kCopy;
  PenStyle style = PenStyle::kSolid;
  friend bool operator==(const Pen&, const Pen&) = default;
};

enum class BrushStyle { kSolid, kClear };

struct Brush {
  BrushStyle style = BrushStyle::kSolid;
  Color color = kWhite;
  friend bool operator==(const Brush&, const Brush&) = default;
};

// Font weights as the drawing code gives them (400 normal, 700 bold).
inline constexpr int kWeightNormal = 400;
inline constexpr int kWeightBold = 700;

struct Font {
  std::string name = "Arial";  // the face the drawing code asks for
  int height = 12;             // em height in device units
  int weight = kWeightNormal;
  Color color = kBlack;
  int escapement = 0;  // text direction, tenths of a degree anticlockwise
  bool italic = false;
  friend bool operator==(const Font&, const Font&) = default;
};

// A drawing surface with integer device coordinates: the construction
// window's image, a printer page (0.1 mm, y down), an SVG file or a
// recording for tests. Figures are drawn with the current pen; rectangles,
// ellipses and polygons are filled with the current brush.
class Canvas {
 public:
  virtual ~Canvas() = default;

  virtual void MoveTo(int x, int y) = 0;
  // A line from the current position to (x, y), which becomes current.
  virtual void LineTo(int x, int y) = 0;
  // Box corners (x1, y1) and (x2, y2); the ellipse fills its bounding box.
  virtual void Rectangle(int x1, int y1, int x2, int y2) = 0;
  virtual void Ellipse(int x1, int y1, int x2, int y2) = 0;
  virtual void Polygon(std::span<const Point> points) = 0;
  // UTF-8 text with the current font; (x, y) is the top-left corner of the
  // text before rotation, which turns about that point.
  virtual void Text(int x, int y, std::string_view text) = 0;

  virtual void SetPen(const Pen& pen) = 0;
  virtual Pen pen() const = 0;
  virtual void SetBrush(const Brush& brush) = 0;
  virtual Brush brush() const = 0;
  virtual void SetFont(const Font& font) = 0;
  virtual Font font() const = 0;
};

}  // namespace lumtar::platform
