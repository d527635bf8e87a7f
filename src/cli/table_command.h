#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace lumtar::cli {

// lumtar-cli table eot|eot-longitude|declination|noon|month|halfyear|
// symmetric [--month M] [--lines N] [--csv ';'|','] [-o FILE]
// [--settings FILE] [--set NAME=VALUE ...]: one of the yearly tables for
// the site, Year, language and twilight of the model that --settings and
// --set give (as for draw; default the built-in defaults). Text
// goes to `out` (UTF-8, one line per line) unless -o names a file, which
// is written like the program's export (Windows-1252, CR LF, replaced
// only when complete). Exit codes: 0 done, 1 the file could not be
// written, 2 bad arguments (one line on `err`, nothing on `out`).
int RunTableCommand(const std::vector<std::string>& args, std::ostream& out,
                    std::ostream& err);

}  // namespace lumtar::cli
