#include "output/fast_fixed.h"

#include <cmath>
#include <cstdint>

#include "astro/format.h"

namespace lumtar::output {

void AppendFixed(std::string& out, int width, int decimals, double x) {
  static constexpr double kPow10[] = {1, 10, 100, 1e3, 1e4, 1e5, 1e6};
  if (decimals < 0 || decimals > 6 || width < decimals || !std::isfinite(x) ||
      std::fabs(x) >= 1e12) {
    out += astro::FormatFixed(width, decimals, x);
    return;
  }
  const double scaled = std::fabs(x) * kPow10[decimals];
  const double whole = std::floor(scaled);
  const double frac = scaled - whole;
  // The product carries an error far below 1e-6 of a unit in the last
  // place; only a near tie needs the exact decimal expansion.
  if (std::fabs(frac - 0.5) < 1e-6) {
    out += astro::FormatFixed(width, decimals, x);
    return;
  }
  std::uint64_t n = static_cast<std::uint64_t>(whole) + (frac > 0.5 ? 1 : 0);
  const bool zero = n == 0;
  // Digits from the right: decimals, point, whole part, sign.
  char buf[48];
  char* end = buf + sizeof buf;
  char* p = end;
  for (int i = 0; i < decimals; ++i) {
    *--p = static_cast<char>('0' + n % 10);
    n /= 10;
  }
  if (decimals > 0) *--p = '.';
  do {
    *--p = static_cast<char>('0' + n % 10);
    n /= 10;
  } while (n > 0);
  if (x < 0 && !zero) *--p = '-';
  const int len = static_cast<int>(end - p);
  if (len < width) out.append(static_cast<std::size_t>(width - len), ' ');
  out.append(p, static_cast<std::size_t>(len));
}

std::string FastFixed(int width, int decimals, double x) {
  std::string s;
  AppendFixed(s, width, decimals, x);
  return s;
}

}  // namespace lumtar::output
