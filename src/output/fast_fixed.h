#pragma once

#include <string>

namespace lumtar::output {

// The same text as astro::FormatFixed(width, decimals, x) for 0 <= decimals
// <= 6, appended to `out`, without its cost for the common case: values
// that are not within a hair of a rounding tie are rounded directly, the
// rest (and very large or non-finite values) go through FormatFixed.
void AppendFixed(std::string& out, int width, int decimals, double x);
std::string FastFixed(int width, int decimals, double x);

}  // namespace lumtar::output
