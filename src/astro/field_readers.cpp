#include "astro/field_readers.h"

#include <charconv>
#include <cmath>

#include "astro/format.h"
#include "texts/pair_texts.h"

namespace lumtar::astro {

std::optional<double> ParseDecimal(std::string_view text) {
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  const std::string_view body = text.substr(i);
  int digits = 0;
  int points = 0;
  for (char c : body) {
    if (c >= '0' && c <= '9') {
      ++digits;
    } else if (c == '.') {
      ++points;
    } else {
      return std::nullopt;
    }
  }
  if (digits == 0 || points > 1) return std::nullopt;
  double v = 0;
  auto r = std::from_chars(body.data(), body.data() + body.size(), v,
                           std::chars_format::fixed);
  if (r.ec != std::errc() || r.ptr != body.data() + body.size() ||
      !std::isfinite(v))
    return std::nullopt;
  return negative ? -v : v;
}

std::optional<int> ParseInteger(std::string_view text) {
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  const std::string_view body = text.substr(i);
  if (body.empty()) return std::nullopt;
  long long v = 0;
  for (char c : body) {
    if (c < '0' || c > '9') return std::nullopt;
    v = v * 10 + (c - '0');
    if (v > 2147483648LL) return std::nullopt;
  }
  if (negative) v = -v;
  if (v > 2147483647LL || v < -2147483648LL) return std::nullopt;
  return static_cast<int>(v);
}

RealFieldResult ReadRealField(std::string_view text, double stored,
                              std::string_view field_name, double max,
                              double min, platform::Ui& ui,
                              texts::Language language) {
  std::string filtered;
  for (char c : text) {
    if (c == ',') {
      filtered += '.';
    } else if ((c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.') {
      filtered += c;
    }
  }
  const auto parsed = ParseDecimal(filtered);
  if (!parsed) {
    ui.Message(platform::Caption::kProblem, texts::MessageText(4, language));
    return {stored, true, FormatFixed(8, 2, stored), true};
  }
  if (*parsed < min || *parsed > max) {
    std::string msg(field_name);
    msg += "=";
    msg += filtered;
    msg += "\r\n";
    msg += texts::MessageText(13, language);
    msg += " [";
    msg += FormatFixed(8, 2, min);
    msg += ", ...,";
    msg += FormatFixed(7, 1, max);
    msg += "] !";
    ui.Message(platform::Caption::kProblem, msg);
    return {stored, true, std::nullopt, true};
  }
  return {*parsed, false, std::nullopt, false};
}

namespace {

std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

std::string IntRangeMessage(std::string_view text, int min, int max,
                            std::string_view field_name,
                            texts::Language language) {
  std::string msg(field_name);
  msg += "=";
  msg += text;
  msg += texts::MessageText(13, language);
  msg += " [";
  msg += std::to_string(min);
  msg += "..";
  msg += std::to_string(max);
  msg += "] !";
  return msg;
}

// Shared by both integer readers: the accepted value, or nullopt when the
// message must be shown. An empty field is accepted with a rewrite.
std::optional<IntFieldResult> AcceptInt(std::string_view text, int min, int max,
                                        int stored) {
  const std::string_view t = TrimBlanks(text);
  if (t.empty())
    return IntFieldResult{stored, false, std::to_string(stored), false};
  const auto v = ParseInteger(t);
  if (v && *v >= min && *v <= max)
    return IntFieldResult{*v, false, std::nullopt, false};
  return std::nullopt;
}

}  // namespace

IntFieldResult ReadIntField(std::string_view text, int min, int max,
                            std::string_view field_name, int stored,
                            platform::Ui& ui, texts::Language language) {
  if (auto ok = AcceptInt(text, min, max, stored)) return *ok;
  ui.Message(platform::Caption::kProblem,
             IntRangeMessage(text, min, max, field_name, language),
             platform::Buttons::kOkCancel);
  return {stored, true, std::nullopt, true};
}

IntFieldResult ReadIntFieldRetry(std::string_view text, int min, int max,
                                 std::string_view field_name, int stored,
                                 platform::Ui& ui, texts::Language language) {
  if (auto ok = AcceptInt(text, min, max, stored)) return *ok;
  std::string msg = IntRangeMessage(text, min, max, field_name, language);
  msg += "\r\n     Nochmals eingeben?";
  const auto answer =
      ui.Message(platform::Caption::kProblem, msg, platform::Buttons::kYesNo);
  if (answer == platform::Answer::kYes)
    return {stored, true, std::nullopt, true};
  return {stored, false, std::nullopt, false};
}

}  // namespace lumtar::astro
