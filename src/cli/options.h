#pragma once

#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace lumtar::cli {

// A malformed or out-of-range argument; what() is the one-line message.
class ArgumentError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// "--name value" pairs and "--flag" switches of one command. Unknown names,
// missing values and repeated options are argument errors, except for the
// names in `repeated`, which take a value each time they are given.
class Options {
 public:
  Options(const std::vector<std::string>& args,
          const std::set<std::string>& valued,
          const std::set<std::string>& flags,
          const std::set<std::string>& repeated = {});

  bool Has(const std::string& name) const;
  std::optional<std::string> Get(const std::string& name) const;
  std::string Require(const std::string& name) const;
  // Every value of a repeated option, in the order given.
  std::vector<std::string> GetAll(const std::string& name) const;

 private:
  std::map<std::string, std::string> values_;
  std::map<std::string, std::vector<std::string>> repeated_;
};

// The arguments of a command that names one thing among its options
// ("lumtar-cli table eot -o x.txt"): the option words, "-o" written as
// "--output", with the value after each option of `takes_value`; the one
// word that is neither goes to `name`. A second such word is an argument
// error ("one table only, ...", `what` naming the thing).
std::vector<std::string> SplitNameFromOptions(
    const std::vector<std::string>& args,
    const std::set<std::string>& takes_value, const std::string& what,
    std::optional<std::string>& name);

// Angle in degrees in [min, max]; a trailing hemisphere letter states the
// side: `positive` is the letter that keeps the sign (W for longitudes, N
// for latitudes), `negative` the one that flips it (E, S).
double ParseAngle(const std::string& name, const std::string& text, double min,
                  double max, char positive, char negative);

// Plain real number in [min, max].
double ParseReal(const std::string& name, const std::string& text, double min,
                 double max);

struct Date {
  int year, month, day;
};
// "YYYY-MM-DD" with a year in 1300..2500 and a day that exists in that
// month (Julian leap years before the calendar reform).
Date ParseDate(const std::string& name, const std::string& text);

// "hh:mm", "hh:mm:ss" or decimal hours, in [0, 24].
double ParseClock(const std::string& name, const std::string& text);

}  // namespace lumtar::cli
