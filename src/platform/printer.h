#pragma once

#include <string_view>

#include "platform/canvas.h"

namespace lumtar::platform {

enum class Orientation { kPortrait, kLandscape };

// A printer. Pages are drawn on canvas() in 0.1 mm units with y downwards
// from the top-left of the printable area; page_width() and page_height()
// give that area in the same units. Plain tables go through the text
// channel instead, line by line, a form feed ("\f") ending a page.
class Printer {
 public:
  virtual ~Printer() = default;

  virtual void SetOrientation(Orientation orientation) = 0;
  // False when the printer cannot start (no printer, cancelled).
  virtual bool BeginDocument(std::string_view title) = 0;
  virtual void NewPage() = 0;
  // False when the document could not be finished.
  virtual bool EndDocument() = 0;

  virtual Canvas& canvas() = 0;
  virtual int page_width() const = 0;
  virtual int page_height() const = 0;

  // The plain-text channel: text is printed as it stands, "\f" starts a new
  // page.
  virtual bool WriteText(std::string_view text) = 0;
};

}  // namespace lumtar::platform
