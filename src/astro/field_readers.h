#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/ui.h"
#include "texts/language.h"

namespace lumtar::astro {

// Validated input fields, independent of any widget: the caller passes the
// field's text and the stored value and applies the result to its field.

struct RealFieldResult {
  double value;                        // the stored value after reading
  bool failed;                         // the input was refused
  std::optional<std::string> rewrite;  // text to write back into the field
  bool take_focus;                     // the field should get the focus
};

// Reads a real number. The text is filtered to "+-.0123456789" (a comma
// becomes a point, other characters are dropped), so "47,5°" reads 47.5 and
// "1e3" reads 13. A syntax error or a value outside [min, max] shows a
// message and keeps `stored`; a refused value is never returned.
RealFieldResult ReadRealField(std::string_view text, double stored,
                              std::string_view field_name, double max,
                              double min, platform::Ui& ui,
                              texts::Language language);

struct IntFieldResult {
  int value;
  bool failed;
  std::optional<std::string> rewrite;
  bool take_focus;
};

// Reads an integer in [min, max]. An empty field shows the stored value
// again and is accepted; anything else that is not a valid integer in range
// shows a message (OK/Cancel) and keeps `stored`.
IntFieldResult ReadIntField(std::string_view text, int min, int max,
                            std::string_view field_name, int stored,
                            platform::Ui& ui, texts::Language language);

// As ReadIntField, but the message asks "Nochmals eingeben?" (Yes/No): Yes
// refuses the input and returns to the field, No accepts the stored value.
IntFieldResult ReadIntFieldRetry(std::string_view text, int min, int max,
                                 std::string_view field_name, int stored,
                                 platform::Ui& ui, texts::Language language);

// Parses a decimal number "[+-]digits[.digits]" (at least one digit; "." is
// the only separator). Locale-independent; nullopt on any other text.
std::optional<double> ParseDecimal(std::string_view text);

// Parses "[+-]digits" into an int; nullopt on other text or overflow.
std::optional<int> ParseInteger(std::string_view text);

}  // namespace lumtar::astro
