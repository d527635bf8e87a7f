#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace lumtar::cli {

// lumtar-cli dxf IN.plt OUT.dxf [--divisor 40|1000] [--width 1|2|3]
// Converts any HPGL file into a DXF drawing. `args` are the words after
// "dxf". The converter's information list and messages go to `err`.
// Returns 0 when converted, 1 when not, 2 for bad arguments.
int RunDxfCommand(const std::vector<std::string>& args, std::ostream& out,
                  std::ostream& err);

}  // namespace lumtar::cli
