#include "cli/CliArguments.h"

#include <cstdio>

bool ParseCliArguments(int argc, char** argv, int first, CliArguments& arguments, std::string& error) {
    for (int i = first; i < argc; ++i) {
        const std::string argument = argv[i];
        std::string* value = nullptr;
        if (argument == "--library") value = &arguments.library;
        else if (argument == "--page") value = &arguments.page;
        else if (argument == "--design") arguments.design = true;
        else if (argument == "--force") arguments.force = true;
        else if (argument.size() > 1 && argument[0] == '-') {
            error = "unknown option \"" + argument + "\"";
            return false;
        } else arguments.positional.push_back(argument);
        if (value) {
            if (i + 1 >= argc) {
                error = "option " + argument + " needs a value";
                return false;
            }
            *value = argv[++i];
        }
    }
    return true;
}

void ReportError(const std::string& message) { std::fprintf(stderr, "quillora-cli: %s\n", message.c_str()); }
