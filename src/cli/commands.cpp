#include "cli/commands.h"

#include <iostream>

#include "cli/astro_commands.h"
#include "cli/draw_command.h"
#include "cli/dxf_command.h"
#include "cli/graph_command.h"
#include "cli/settings_command.h"
#include "cli/table_command.h"

namespace lumtar::cli {
namespace {

const char kUsage[] =
    "usage: lumtar-cli COMMAND [OPTIONS]   (lumtar-cli COMMAND --help)\n"
    "commands:\n"
    "  sun           altitude, azimuth, declination and equation of time\n"
    "  riseset       rise and set of sun and moon, twilight\n"
    "  azimuth-time  the time at which the sun reaches an azimuth\n"
    "  dxf           convert an HPGL plot file into a DXF drawing\n"
    "  draw          the current planar dial as SVG, HPGL, DXF or coordinates\n"
    "  settings      default settings file, show or check a settings file\n"
    "  table         yearly tables: equation of time, declination, noon,\n"
    "                rise and set by month and half-year, symmetric table\n"
    "  graph         equation-of-time graph and sun path diagrams as SVG,\n"
    "                HPGL or DXF\n"
    "Angles: longitudes and zone meridians west positive, east negative\n"
    "(or a trailing E/W); latitude north positive (or N/S); azimuth 0 south,\n"
    "west positive.\n";

}  // namespace

int RunCommand(const std::vector<std::string>& args, std::ostream& out,
               std::ostream& err) {
  if (args.empty()) {
    err << kUsage;
    return 2;
  }
  const std::string& command = args[0];
  const std::vector<std::string> rest(args.begin() + 1, args.end());
  if (command == "--help" || command == "-h" || command == "help") {
    out << kUsage;
    return 0;
  }
  if (command == "sun") return RunSunCommand(rest, out, err);
  if (command == "riseset") return RunRiseSetCommand(rest, out, err);
  if (command == "azimuth-time") return RunAzimuthTimeCommand(rest, out, err);
  if (command == "dxf") return RunDxfCommand(rest, out, err);
  if (command == "draw") return RunDrawCommand(rest, out, err);
  if (command == "settings") return RunSettingsCommand(rest, out, err);
  if (command == "table") return RunTableCommand(rest, out, err);
  if (command == "graph") return RunGraphCommand(rest, out, err);
  err << "lumtar-cli: unknown command '" << command << "'\n" << kUsage;
  return 2;
}

int RunCli(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return RunCommand(args, std::cout, std::cerr);
}

}  // namespace lumtar::cli
