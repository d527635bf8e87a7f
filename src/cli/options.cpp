#include "cli/options.h"

#include <cctype>

#include "astro/calendar.h"
#include "astro/field_readers.h"

namespace lumtar::cli {

Options::Options(const std::vector<std::string>& args,
                 const std::set<std::string>& valued,
                 const std::set<std::string>& flags,
                 const std::set<std::string>& repeated) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a.rfind("--", 0) != 0)
      throw ArgumentError("unexpected argument '" + a + "'");
    std::string name = a.substr(2);
    std::optional<std::string> value;
    if (const auto eq = name.find('='); eq != std::string::npos) {
      value = name.substr(eq + 1);
      name = name.substr(0, eq);
    }
    if (values_.count(name)) throw ArgumentError("--" + name + " given twice");
    if (repeated.count(name)) {
      if (!value) {
        if (i + 1 >= args.size())
          throw ArgumentError("--" + name + " needs a value");
        value = args[++i];
      }
      repeated_[name].push_back(*value);
    } else if (flags.count(name)) {
      if (value) throw ArgumentError("--" + name + " takes no value");
      values_[name] = "";
    } else if (valued.count(name)) {
      if (!value) {
        if (i + 1 >= args.size())
          throw ArgumentError("--" + name + " needs a value");
        value = args[++i];
      }
      values_[name] = *value;
    } else {
      throw ArgumentError("unknown option --" + name);
    }
  }
}

bool Options::Has(const std::string& name) const {
  return values_.count(name) > 0 || repeated_.count(name) > 0;
}

std::vector<std::string> Options::GetAll(const std::string& name) const {
  const auto it = repeated_.find(name);
  if (it == repeated_.end()) return {};
  return it->second;
}

std::optional<std::string> Options::Get(const std::string& name) const {
  const auto it = values_.find(name);
  if (it == values_.end()) return std::nullopt;
  return it->second;
}

std::string Options::Require(const std::string& name) const {
  const auto v = Get(name);
  if (!v) throw ArgumentError("--" + name + " is required");
  return *v;
}

namespace {

std::string Range(double min, double max) {
  auto f = [](double v) {
    std::string s = std::to_string(v);
    s.erase(s.find_last_not_of('0') + 1);
    if (s.back() == '.') s.pop_back();
    return s;
  };
  return "[" + f(min) + ", " + f(max) + "]";
}

}  // namespace

double ParseReal(const std::string& name, const std::string& text, double min,
                 double max) {
  const auto v = astro::ParseDecimal(text);
  if (!v || *v < min || *v > max)
    throw ArgumentError("--" + name + " '" + text + "': expected a number in " +
                        Range(min, max));
  return *v;
}

double ParseAngle(const std::string& name, const std::string& text, double min,
                  double max, char positive, char negative) {
  std::string body = text;
  double sign = 1;
  if (!body.empty()) {
    const char last = static_cast<char>(
        std::toupper(static_cast<unsigned char>(body.back())));
    if (last == positive || last == negative) {
      body.pop_back();
      if (last == negative) sign = -1;
      if (body.empty() || body[0] == '-' || body[0] == '+')
        throw ArgumentError(
            "--" + name + " '" + text +
            "': a hemisphere letter goes with an unsigned number");
    }
  }
  const auto v = astro::ParseDecimal(body);
  if (!v || sign * *v < min || sign * *v > max)
    throw ArgumentError("--" + name + " '" + text + "': expected degrees in " +
                        Range(min, max) + " (or with " + positive + "/" +
                        negative + ")");
  return sign * *v;
}

Date ParseDate(const std::string& name, const std::string& text) {
  auto fail = [&]() {
    return ArgumentError(
        "--" + name + " '" + text +
        "': expected a date YYYY-MM-DD of the years 1300 to 2500");
  };
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') throw fail();
  const auto y = astro::ParseInteger(text.substr(0, 4));
  const auto m = astro::ParseInteger(text.substr(5, 2));
  const auto d = astro::ParseInteger(text.substr(8, 2));
  if (!y || !m || !d || text[5] == '+' || text[5] == '-' || text[8] == '+' ||
      text[8] == '-')
    throw fail();
  if (*y < astro::kFirstYear || *y > astro::kLastYear || *m < 1 || *m > 12 ||
      *d < 1 || *d > astro::DaysInMonth(*m, *y))
    throw fail();
  return {*y, *m, *d};
}

double ParseClock(const std::string& name, const std::string& text) {
  auto fail = [&]() {
    return ArgumentError("--" + name + " '" + text +
                         "': expected a time hh:mm[:ss] or hours in [0, 24]");
  };
  double hours;
  if (text.find(':') == std::string::npos) {
    const auto v = astro::ParseDecimal(text);
    if (!v) throw fail();
    hours = *v;
  } else {
    int parts[3] = {0, 0, 0};
    int n = 0;
    std::size_t start = 0;
    while (true) {
      const std::size_t colon = text.find(':', start);
      const std::string piece = text.substr(start, colon - start);
      const auto v = astro::ParseInteger(piece);
      if (n >= 3 || !v || piece.empty() || piece[0] == '-' || piece[0] == '+')
        throw fail();
      parts[n++] = *v;
      if (colon == std::string::npos) break;
      start = colon + 1;
    }
    if (n < 2 || parts[1] > 59 || parts[2] > 59) throw fail();
    hours = parts[0] + parts[1] / 60.0 + parts[2] / 3600.0;
  }
  if (hours < 0 || hours > 24) throw fail();
  return hours;
}

std::vector<std::string> SplitNameFromOptions(
    const std::vector<std::string>& args,
    const std::set<std::string>& takes_value, const std::string& what,
    std::optional<std::string>& name) {
  std::vector<std::string> words;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a.starts_with("-")) {
      words.push_back(a == "-o" ? "--output" : a);
      if (a.find('=') == std::string::npos && i + 1 < args.size() &&
          takes_value.count(words.back().substr(2)))
        words.push_back(args[++i]);
    } else if (name) {
      throw ArgumentError("one " + what + " only, not also '" + a + "'");
    } else {
      name = a;
    }
  }
  return words;
}

}  // namespace lumtar::cli
