// quillora-cli export SITE.quillora OUTDIR [--force] [--library DIR]
#include <filesystem>
#include <system_error>

#include "cli/Commands.h"
#include "cli/OpenSite.h"
#include "core/document/TesseraDoc.h"
#include "core/generation/ExportSite.h"

namespace fs = std::filesystem;

namespace {
bool IsNonEmptyDirectory(const std::string& path) {
    std::error_code error;
    return fs::is_directory(path, error) && !fs::is_empty(path, error);
}
}  // namespace

int RunExport(const CliArguments& arguments) {
    if (arguments.positional.size() != 2) {
        ReportError("export needs SITE.quillora and OUTDIR (see --help)");
        return 2;
    }
    const std::string& outDirectory = arguments.positional[1];
    std::error_code error;
    if (fs::exists(outDirectory, error) && !fs::is_directory(outDirectory, error)) {
        ReportError("\"" + outDirectory + "\" is not a directory");
        return 1;
    }
    if (IsNonEmptyDirectory(outDirectory) && !arguments.force) {
        ReportError("\"" + outDirectory + "\" is not empty; use --force to export into it anyway");
        return 1;
    }
    if (!LoadLibrary(arguments)) return 1;
    // The process ends right after the command: the site is left to the system
    // instead of being torn down object by object.
    CTesseraDoc& document = *new CTesseraDoc;
    if (!OpenSite(arguments.positional[0], document)) return 1;
    if (!ExportSite(document.site, fs::absolute(outDirectory, error).string(), document.GetDocumentDirectory())) {
        ReportError("Export failed.");
        return 1;
    }
    return 0;
}
