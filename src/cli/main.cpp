#include "cli/commands.h"

int main(int argc, char** argv) { return lumtar::cli::RunCli(argc, argv); }
