#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace lumtar::cli {

// lumtar-cli graph eot|sunpath-rect|sunpath-polar --format svg|hpgl|dxf
// -o FILE [--settings FILE] [--set NAME=VALUE ...] and the graph options:
// the equation-of-time graph or a sun path diagram of the model's site and
// Year, as a true-size SVG drawing (the printed layout on an A4 landscape
// sheet), an HPGL plot file or a DXF drawing. `args` are the words after
// "graph". Returns 0 when the file was written, 1 when not (one message on
// `err`), 2 for bad arguments.
int RunGraphCommand(const std::vector<std::string>& args, std::ostream& out,
                    std::ostream& err);

}  // namespace lumtar::cli
