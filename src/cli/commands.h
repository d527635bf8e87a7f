#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace lumtar::cli {

// Runs one command of lumtar-cli; returns the process exit code (0 done,
// 1 failed, 2 bad arguments).
int RunCli(int argc, char** argv);
int RunCommand(const std::vector<std::string>& args, std::ostream& out,
               std::ostream& err);

}  // namespace lumtar::cli
