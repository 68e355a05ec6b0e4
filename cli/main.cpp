// quillora-cli: the headless companion of Quillora for scripts and build pipelines.
#include <cstdio>
#include <string>

#include "cli/Commands.h"
#include "core/services/Paths.h"

namespace {

const char* kUsage =
    "Usage: quillora-cli COMMAND [ARGUMENTS] [OPTIONS]\n"
    "\n"
    "Commands:\n"
    "  export SITE.quillora OUTDIR\n"
    "        Export every page of the site into OUTDIR (created when missing), as the\n"
    "        program's Export Site does: one <page>.htm per page, the files the pages\n"
    "        refer to, the widget library files and the site's \"files\" folder.\n"
    "        OUTDIR must be empty unless --force is given; nothing in it is deleted.\n"
    "  sitemap SITE.quillora OUT.xml\n"
    "        Write the sitemap of the site's pages, built on the site's domain.\n"
    "  render SITE.quillora [--page NAME] [--design]\n"
    "        Write one page document to standard output: the page named NAME (the\n"
    "        first page without --page), in the export form, or in the design form\n"
    "        that the design view loads with --design.\n"
    "  --help       show this text\n"
    "  --version    show the program version\n"
    "\n"
    "Options:\n"
    "  --library DIR   use the widget library in DIR instead of the one beside the program\n"
    "  --force         (export) export into a directory that is not empty\n"
    "  --page NAME     (render) the page to render\n"
    "  --design        (render) the design form instead of the export form\n"
    "\n"
    "Messages go to standard error. The exit status is 0 on success, 1 when the\n"
    "command failed and 2 when it was called wrongly.\n";

struct Command {
    const char* name;
    int (*run)(const CliArguments&);
};

const Command kCommands[] = {
    {"export", RunExport},
    {"sitemap", RunSitemap},
    {"render", RunRender},
};

}  // namespace

int main(int argc, char** argv) {
    SetProgramPath(argv[0]);
    if (argc < 2) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const std::string command = argv[1];
    if (command == "--help" || command == "-h") {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (command == "--version") {
        std::printf("quillora-cli %s\n", QUILLORA_VERSION_TEXT);
        return 0;
    }
    for (const Command& entry : kCommands) {
        if (command != entry.name) continue;
        CliArguments arguments;
        std::string error;
        if (!ParseCliArguments(argc, argv, 2, arguments, error)) {
            ReportError(error + " (see --help)");
            return 2;
        }
        return entry.run(arguments);
    }
    std::fprintf(stderr, "quillora-cli: unknown command \"%s\" (see --help)\n", command.c_str());
    return 2;
}
