#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace lumtar::cli {

// "lumtar-cli settings default|show|check": the built-in defaults as a
// settings file, the model a file gives, and the messages its reading
// gives. `args` are the words after "settings". Exit codes: 0 done (check:
// the file is clean), 1 check found messages or show could not use the
// file, 2 bad arguments. No subcommand ever writes a file.
int RunSettingsCommand(const std::vector<std::string>& args, std::ostream& out,
                       std::ostream& err);

}  // namespace lumtar::cli
