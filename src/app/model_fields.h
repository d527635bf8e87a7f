#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/value_ranges.h"
#include "model/model.h"

namespace lumtar::app {

// Every field of the model by its name as written in the code, with its
// range and its value as text: the command-line tool's "--set NAME=VALUE"
// and "settings show" go through here.

enum class FieldKind {
  kReal,       // a number; decimal point "."
  kInteger,    // a whole number
  kDigit,      // a one-character digit option ("0".."9" stored as a char)
  kFlag,       // true/false (also 1/0)
  kKind,       // the dial kind letter
  kLanguage,   // de or en
  kColour,     // 0x00BBGGRR, as a decimal or "0x" hex number
  kDateLines,  // the date-line list, entries separated by "|"
};

enum class FieldStorage {
  kStored,     // kept in the settings file
  kNotStored,  // kept only while the program runs
  kDerived,    // computed from other fields; cannot be set
};

struct ModelField {
  std::string_view name;    // e.g. "Latitude", "Colors[0]"
  std::string_view record;  // "DialParameters", "LineOptions", "Model", ...
  FieldKind kind;
  ValueRange range;  // numbers, digits and colours
  int decimals;      // reals: the decimals the settings file keeps
  FieldStorage storage;
  // The value as text (reals with as many decimals as they need to read
  // back exactly).
  std::function<std::string(const model::Model&)> get;
  // Sets the value from text; the reason when the text is refused (the
  // model is then unchanged).
  std::function<std::optional<std::string>(model::Model&, std::string_view)>
      set;
  // The value lies in the range (derived fields: always true; ModelProblems
  // checks that they follow their source).
  std::function<bool(const model::Model&)> valid;
};

// All fields, grouped by record in declaration order.
const std::vector<ModelField>& ModelFields();

// The field called `name`, or nullptr.
const ModelField* FindModelField(std::string_view name);

// Sets field `name` from `value`: nullopt when done, else a one-line
// reason ("unknown field", "expected a number in [-90, 90]", ...).
std::optional<std::string> SetModelField(model::Model& model,
                                         std::string_view name,
                                         std::string_view value);

// What is wrong with a model: a field outside its range, an umbrella dial
// on a plane other than h, i or v, a derived value that does not follow its
// source. Empty for every model that the settings reader produces.
std::vector<std::string> ModelProblems(const model::Model& model);

// "[min, max]" as the messages show ranges.
std::string RangeText(ValueRange range);

}  // namespace lumtar::app
