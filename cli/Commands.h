#pragma once
#include "cli/CliArguments.h"

// The subcommands; each returns the process exit code (0 success, 1 failure,
// 2 wrong usage).
int RunExport(const CliArguments& arguments);
int RunSitemap(const CliArguments& arguments);
int RunRender(const CliArguments& arguments);
