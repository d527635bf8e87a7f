#include "cli/commands.h"

#include <iostream>

namespace lumtar::cli {

int RunCommand(const std::vector<std::string>& args, std::ostream& out,
               std::ostream& err) {
  (void)args;
  (void)out;
  err << "lumtar-cli: no command\n";
  return 2;
}

int RunCli(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return RunCommand(args, std::cout, std::cerr);
}

}  // namespace lumtar::cli
