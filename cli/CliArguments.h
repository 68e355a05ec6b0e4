#pragma once
#include <string>
#include <vector>

// The command line after the subcommand: positional arguments and the options
// every subcommand understands.
struct CliArguments {
    std::vector<std::string> positional;
    std::string library;   // --library DIR: the widget library to load instead of the program's
    std::string page;      // --page NAME (render)
    bool design = false;   // --design (render)
    bool force = false;    // --force (export)
};

// Parses argv[first..]; false with `error` set on an unknown option or a missing value.
bool ParseCliArguments(int argc, char** argv, int first, CliArguments& arguments, std::string& error);

// Writes "quillora-cli: <message>" to stderr.
void ReportError(const std::string& message);
