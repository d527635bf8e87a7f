#include "cli/table_command.h"

#include <ctime>
#include <map>
#include <optional>
#include <set>

#include "cli/model_options.h"
#include "cli/options.h"
#include "tables/month_tables.h"
#include "tables/symmetric_table.h"
#include "tables/table_export.h"
#include "tables/year_table.h"

namespace lumtar::cli {
namespace {

constexpr char kUsage[] =
    "usage: lumtar-cli table TABLE [--month M] [--lines N] [--csv ';'|','] "
    "[-o FILE]\n"
    "                         [--settings FILE] [--set NAME=VALUE ...]\n"
    "  TABLE          eot            equation of time (min:sec) at 12 h "
    "zone time\n"
    "                 eot-longitude  the same plus the longitude correction\n"
    "                 declination    declination of the sun (degrees)\n"
    "                 noon           zone time of local apparent noon\n"
    "                 month          rise and set of sun, twilight and moon"
    " for a month\n"
    "                 halfyear       sunrise, sunset and equation of time,"
    " six months\n"
    "                 symmetric      equation of time by true longitude and"
    " its\n"
    "                                symmetric approximation\n"
    "  --month M      month (1..12) of the month table, or the half-year"
    " holding it\n"
    "                 (default: the current month)\n"
    "  --lines N      values per circle of the symmetric table: 72 (default),"
    "\n"
    "                 120, 144, 180, 240, 288 or 360\n"
    "  --csv SEP      CSV with the separator ';' or ','\n"
    "  -o FILE        write FILE (Windows-1252, CR LF) instead of the output\n"
    "Site, year, language and twilight come from the settings:\n";

// The table command's options that take a value.
const std::set<std::string> kValued = {"month", "lines", "csv", "output"};

class UsageError {
 public:
  explicit UsageError(std::string what) : what_(std::move(what)) {}
  const std::string& what() const { return what_; }

 private:
  std::string what_;
};

int CurrentMonth() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local.tm_mon + 1;
}

int ParseInt(const std::string& option, const std::string& text, int min,
             int max) {
  std::size_t used = 0;
  int v = 0;
  try {
    v = std::stoi(text, &used);
  } catch (...) {
    used = 0;
  }
  if (used == 0 || used != text.size() || v < min || v > max)
    throw UsageError(option + " '" + text + "': expected " +
                     std::to_string(min) + ".." + std::to_string(max));
  return v;
}

}  // namespace

int RunTableCommand(const std::vector<std::string>& args, std::ostream& out,
                    std::ostream& err) {
  for (const auto& a : args) {
    if (a == "--help" || a == "-h") {
      out << kUsage << kModelOptionsHelp;
      return 0;
    }
  }
  try {
    // The table's name is the one word that is not an option or a value;
    // "-o" is the short form of "--output".
    std::set<std::string> valued = kValued;
    valued.insert(kModelValuedOptions.begin(), kModelValuedOptions.end());
    valued.insert(kModelRepeatedOptions.begin(), kModelRepeatedOptions.end());
    std::optional<std::string> which;
    const std::vector<std::string> words =
        SplitNameFromOptions(args, valued, "table", which);
    valued.erase("set");
    Options options(words, valued, {}, kModelRepeatedOptions);
    if (!which) throw UsageError("which table? (eot, month, ...)");

    static const std::map<std::string, tables::YearTableKind> kYearTables = {
        {"eot", tables::YearTableKind::kEquationOfTime},
        {"eot-longitude", tables::YearTableKind::kEotWithLongitude},
        {"declination", tables::YearTableKind::kDeclination},
        {"noon", tables::YearTableKind::kMeridianPassage},
    };
    const bool year_table = kYearTables.count(*which) > 0;
    const bool by_month = *which == "month" || *which == "halfyear";
    const bool symmetric = *which == "symmetric";
    if (!year_table && !by_month && !symmetric)
      throw UsageError("unknown table '" + *which + "'");
    if (options.Has("month") && !by_month)
      throw UsageError("--month belongs to the month and halfyear tables");
    if (options.Has("lines") && !symmetric)
      throw UsageError("--lines belongs to the symmetric table");

    tables::TableFormat format = tables::TableFormat::kText;
    char separator = ';';
    if (const auto s = options.Get("csv")) {
      if (*s != ";" && *s != ",")
        throw UsageError("--csv '" + *s + "': expected ';' or ','");
      format = tables::TableFormat::kCsv;
      separator = (*s)[0];
    }
    const int month = options.Has("month")
                          ? ParseInt("--month", *options.Get("month"), 1, 12)
                          : CurrentMonth();
    int lines = 72;
    if (const auto l = options.Get("lines")) {
      lines = ParseInt("--lines", *l, 72, 360);
      if (lines != 72 && lines != 120 && lines != 144 && lines != 180 &&
          lines != 240 && lines != 288 && lines != 360)
        throw UsageError("--lines '" + *l +
                         "': expected 72, 120, 144, 180, 240, 288 or 360");
    }
    const model::Model model =
        ModelFromOptions(options, err, texts::Language::kEnglish);

    tables::TableText table;
    if (year_table) {
      table = tables::BuildYearTable(model, kYearTables.at(*which));
    } else if (*which == "month") {
      table = tables::BuildMonthTable(model, month);
    } else if (*which == "halfyear") {
      table = tables::BuildHalfYearTable(model, month <= 6 ? 0 : 6);
    } else {
      // The separators are part of the symmetric table's rows.
      table = tables::BuildSymmetricEotTable(
          model, lines, format == tables::TableFormat::kCsv ? separator : '/');
      format = tables::TableFormat::kText;
    }

    const std::string text = tables::TableFileText(table, format, separator);
    if (const auto file = options.Get("output")) {
      std::string error;
      if (!tables::WriteWindows1252File(*file, text, error)) {
        err << "lumtar-cli table: " << error << "\n";
        return 1;
      }
      return 0;
    }
    std::string plain;
    plain.reserve(text.size());
    for (char c : text)
      if (c != '\r') plain += c;
    out << plain;
    return 0;
  } catch (const UsageError& e) {
    err << "lumtar-cli table: " << e.what() << "\n";
    return 2;
  } catch (const ArgumentError& e) {
    err << "lumtar-cli table: " << e.what() << "\n";
    return 2;
  }
}

}  // namespace lumtar::cli
