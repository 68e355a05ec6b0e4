#pragma once
#include <string>
#include <vector>

// Turns the raw argument vector into text arguments (without the program name).
// Fails when an argument is not valid UTF-8 text: such a command line cannot be
// read as words, so the program cannot tell what it was asked to do.
bool SplitCommandLine(int argc, char** argv, std::vector<std::string>& arguments);

// The event action the installer asked for: "uninstall" when the first argument
// equals "uninstall" in any letter case, "install" otherwise (including no argument).
std::string ChooseAction(const std::vector<std::string>& arguments);
