#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace lumtar::cli {

// The sun's position, rise and set of the day, and the time of an azimuth.
// `args` are the words after the command name. Exit codes: 0 done,
// 1 no result, 2 bad arguments (one line on `err`, nothing on `out`).
int RunSunCommand(const std::vector<std::string>& args, std::ostream& out,
                  std::ostream& err);
int RunRiseSetCommand(const std::vector<std::string>& args, std::ostream& out,
                      std::ostream& err);
int RunAzimuthTimeCommand(const std::vector<std::string>& args,
                          std::ostream& out, std::ostream& err);

}  // namespace lumtar::cli
