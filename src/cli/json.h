#pragma once

#include <string>
#include <string_view>

namespace lumtar::cli {

// A flat JSON object built key by key, keys in insertion order. Numbers are
// written with "." and a fixed number of decimals, whatever the locale.
class JsonObject {
 public:
  void Number(std::string_view key, double value, int decimals);
  void String(std::string_view key, std::string_view value);
  void Null(std::string_view key);
  std::string Text() const { return "{" + body_ + "}"; }

 private:
  void Key(std::string_view key);
  std::string body_;
};

// The text as a JSON string literal, quotes included.
std::string JsonQuote(std::string_view text);

}  // namespace lumtar::cli
