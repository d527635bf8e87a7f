#include "astro/format.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

#include "texts/pair_texts.h"

namespace lumtar::astro {
namespace {

// Decimal digits of |x| with exactly `decimals` places, ties away from zero.
// The value is first written with many more places so that the rounding
// decision is taken on the (nearly exact) decimal expansion of the binary
// value, not on a second rounding.
std::string FixedDigits(double x, int decimals) {
  constexpr int kExtra = 30;
  char buf[512];
  auto r = std::to_chars(buf, buf + sizeof buf, std::fabs(x),
                         std::chars_format::fixed, decimals + kExtra);
  if (r.ec != std::errc()) return "0";
  std::string s(buf, r.ptr);
  const std::size_t point = s.find('.');
  const std::size_t keep = point + (decimals > 0 ? decimals + 1 : 0);
  const bool round_up = s[point + decimals + 1] >= '5';
  s.resize(keep);
  if (round_up) {
    int i = static_cast<int>(s.size()) - 1;
    for (; i >= 0; --i) {
      if (s[i] == '.') continue;
      if (s[i] == '9') {
        s[i] = '0';
      } else {
        ++s[i];
        break;
      }
    }
    if (i < 0) s.insert(s.begin(), '1');
  }
  if (!s.empty() && s.back() == '.') s.pop_back();
  return s;
}

}  // namespace

std::string FormatFixed(int width, int decimals, double x, platform::Ui* ui,
                        texts::Language language) {
  if (width < decimals || decimals < 0) {
    if (ui != nullptr)
      ui->Message(platform::Caption::kProblem,
                  texts::MessageText(25, language));
    return {};
  }
  if (!std::isfinite(x)) {
    std::string s = std::isnan(x) ? "NAN" : (x > 0 ? "+INF" : "-INF");
    if (static_cast<int>(s.size()) < width) s.insert(0, width - s.size(), ' ');
    return s;
  }
  std::string digits = FixedDigits(x, decimals);
  const bool zero = digits.find_first_not_of("0.") == std::string::npos;
  if (x < 0 && !zero) digits.insert(digits.begin(), '-');
  if (static_cast<int>(digits.size()) < width)
    digits.insert(0, width - digits.size(), ' ');
  return digits;
}

std::string FormatRoundedInteger(double x) {
  if (std::fabs(x) > 2.17e8) x = x > 0 ? 2.17e8 : -2.17e8;
  if (std::isnan(x)) x = 0;
  return std::to_string(static_cast<long long>(std::nearbyint(x)));
}

std::string FormatEotMinSec(double e) {
  const double a = 4 * e;
  const double frac = a - std::trunc(a);
  double s = a >= 0 ? std::trunc(frac * 60 + 0.5) : std::trunc(frac * 60 - 0.5);
  double minutes;
  if (std::fabs(s) == 60) {
    minutes = std::trunc(a + 60 / s);
    s = 0;
  } else {
    minutes = std::trunc(a);
  }
  // Between -1 and 0 minutes the minute digit is 0 and carries no sign of
  // its own; a value that carried to -1 shows its sign through the minutes.
  std::string text;
  if (a > -1 && a < -0.0083 && minutes == 0) text.push_back('-');
  text += std::to_string(static_cast<long long>(minutes));
  text += ':';
  const long long abs_s = static_cast<long long>(std::fabs(s));
  if (abs_s < 10) text += '0';
  text += std::to_string(abs_s);
  if (text.size() < 6) text = std::string(6 - text.size(), ' ') + text;
  return text;
}

std::string FormatHoursMinutes(double h) {
  const double m = std::trunc(h * 60 + 0.5) / 60;
  const double hours = std::trunc(m);
  const long long minutes =
      static_cast<long long>(std::trunc((m - hours) * 60 + 0.5));
  std::string text = PadLeft(static_cast<long long>(hours), 3);
  text += ':';
  if (minutes >= 0 && minutes < 10) text += '0';
  text += std::to_string(minutes);
  return text;
}

std::string FormatClockSeconds(double h) {
  double hours = std::trunc(h);
  long long s = std::llround((h - hours) * 3600);
  if (s >= 3600) {
    hours += 1;
    s -= 3600;
  }
  std::string text = FormatFixed(3, 0, hours) + ":";
  if (s < 600) text += "0";
  text += std::to_string(s / 60) + ":";
  if (s % 60 < 10) text += "0";
  text += std::to_string(s % 60);
  return text;
}

std::string FormatSecondsMinSec(int s) {
  const long long a = std::llabs(static_cast<long long>(s));
  std::string text = s < 0 ? "-" : "";
  text += std::to_string(a / 60);
  text += ':';
  if (a % 60 < 10) text += '0';
  text += std::to_string(a % 60);
  return text;
}

std::string PadLeft(long long n, int width) {
  std::string s = std::to_string(n);
  if (static_cast<int>(s.size()) < width) s.insert(0, width - s.size(), ' ');
  return s;
}

std::string StripAccelerators(std::string_view caption) {
  std::string s;
  for (char c : caption)
    if (c != '&' && c != ':') s += c;
  return s;
}

std::string TransliterateUmlauts(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c == 0xC3 && i + 1 < text.size()) {
      const char* repl = nullptr;
      switch (static_cast<unsigned char>(text[i + 1])) {
        case 0x84:
          repl = "Ae";
          break;
        case 0x96:
          repl = "Oe";
          break;
        case 0x9C:
          repl = "Ue";
          break;
        case 0xA4:
          repl = "ae";
          break;
        case 0xB6:
          repl = "oe";
          break;
        case 0xBC:
          repl = "ue";
          break;
      }
      if (repl != nullptr) {
        out += repl;
        ++i;
        continue;
      }
    }
    out += static_cast<char>(c);
  }
  return out;
}

}  // namespace lumtar::astro
