#include "cli/dxf_command.h"

#include "cli/console_ui.h"
#include "output/hpgl_to_dxf.h"
#include "platform/captions.h"

namespace lumtar::cli {
namespace {

constexpr char kUsage[] =
    "usage: lumtar-cli dxf IN.plt OUT.dxf [--divisor 40|1000] "
    "[--width 1|2|3]\n"
    "  Converts an HPGL plot into a DXF drawing in millimetres.\n"
    "  --divisor  plot units per millimetre: 40 (default) or 1000 for\n"
    "             plots written at fine resolution\n"
    "  --width    polyline width: 1 thin (default), 2 medium, 3 thick\n";

}  // namespace

int RunDxfCommand(const std::vector<std::string>& args, std::ostream& out,
                  std::ostream& err) {
  std::vector<std::string> files;
  double divisor = 40;
  int width = 1;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--help" || a == "-h") {
      out << kUsage;
      return 0;
    }
    if (a == "--divisor" || a == "--width") {
      if (i + 1 == args.size()) {
        err << "lumtar-cli dxf: " << a << " needs a value\n" << kUsage;
        return 2;
      }
      const std::string& v = args[++i];
      if (a == "--divisor" && (v == "40" || v == "1000")) {
        divisor = v == "40" ? 40 : 1000;
      } else if (a == "--width" && (v == "1" || v == "2" || v == "3")) {
        width = v[0] - '0';
      } else {
        err << "lumtar-cli dxf: bad value for " << a << ": " << v << "\n"
            << kUsage;
        return 2;
      }
      continue;
    }
    if (a.starts_with("--")) {
      err << "lumtar-cli dxf: unknown option " << a << "\n" << kUsage;
      return 2;
    }
    files.push_back(a);
  }
  if (files.size() != 2) {
    err << "lumtar-cli dxf: need an input and an output file\n" << kUsage;
    return 2;
  }
  ConsoleUi ui(err, texts::Language::kEnglish);
  const output::DxfConversion result =
      output::ConvertHpglToDxf(files[0], files[1], width, divisor, ui);
  for (const std::string& m : result.messages) err << m << "\n";
  return result.saved ? 0 : 1;
}

}  // namespace lumtar::cli
