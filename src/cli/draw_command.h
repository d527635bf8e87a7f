#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace lumtar::cli {

// lumtar-cli draw --format svg|hpgl|dxf|coords -o FILE [--settings FILE]
// [--set NAME=VALUE ...] [--width 1|2|3] [--grid MM] [--origin X,Y]
// Builds the model's current construction: the printed drawing as a
// true-size SVG, the plot file, its DXF, or the coordinate list. The plot
// writer's grid question is answered by --grid (no grid without it).
// `args` are the words after "draw". Messages go to `err`. Returns 0 when
// the file was written, 1 when not (refused, not available, failed), 2 for
// bad arguments.
int RunDrawCommand(const std::vector<std::string>& args, std::ostream& out,
                   std::ostream& err);

}  // namespace lumtar::cli
