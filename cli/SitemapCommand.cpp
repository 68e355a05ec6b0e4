// quillora-cli sitemap SITE.quillora OUT.xml [--library DIR]
#include "cli/Commands.h"
#include "cli/OpenSite.h"
#include "core/document/TesseraDoc.h"
#include "core/generation/OutputFile.h"
#include "core/generation/Sitemap.h"
#include "core/services/Prompt.h"

int RunSitemap(const CliArguments& arguments) {
    if (arguments.positional.size() != 2) {
        ReportError("sitemap needs SITE.quillora and OUT.xml (see --help)");
        return 2;
    }
    if (!LoadLibrary(arguments)) return 1;
    // The process ends right after the command: the site is left to the system
    // instead of being torn down object by object.
    CTesseraDoc& document = *new CTesseraDoc;
    if (!OpenSite(arguments.positional[0], document)) return 1;
    if (document.site.OwnValue("domain").empty()) {
        ShowMessage("Please set domain name first.");
        return 1;
    }
    const std::string& outPath = arguments.positional[1];
    if (!WriteTextWithCrLf(outPath, BuildSitemap(document.site, LocalDate()))) {
        ReportError("cannot write \"" + outPath + "\"");
        return 1;
    }
    return 0;
}
