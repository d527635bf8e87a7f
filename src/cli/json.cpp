#include "cli/json.h"

#include <cmath>

#include "astro/format.h"

namespace lumtar::cli {

std::string JsonQuote(std::string_view text) {
  std::string q = "\"";
  for (char c : text) {
    switch (c) {
      case '"':
        q += "\\\"";
        break;
      case '\\':
        q += "\\\\";
        break;
      case '\n':
        q += "\\n";
        break;
      case '\r':
        q += "\\r";
        break;
      case '\t':
        q += "\\t";
        break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          static const char kHex[] = "0123456789abcdef";
          q += "\\u00";
          q += kHex[(c >> 4) & 0xF];
          q += kHex[c & 0xF];
        } else {
          q += c;
        }
    }
  }
  return q + "\"";
}

void JsonObject::Key(std::string_view key) {
  if (!body_.empty()) body_ += ", ";
  body_ += JsonQuote(key) + ": ";
}

void JsonObject::Number(std::string_view key, double value, int decimals) {
  Key(key);
  body_ += std::isfinite(value) ? astro::FormatFixed(decimals, decimals, value)
                                : "null";
}

void JsonObject::String(std::string_view key, std::string_view value) {
  Key(key);
  body_ += JsonQuote(value);
}

void JsonObject::Null(std::string_view key) {
  Key(key);
  body_ += "null";
}

}  // namespace lumtar::cli
