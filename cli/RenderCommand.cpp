// quillora-cli render SITE.quillora [--page NAME] [--design] [--library DIR]
#include <cstdio>

#include "cli/Commands.h"
#include "cli/OpenSite.h"
#include "core/document/TesseraDoc.h"
#include "core/generation/PageRender.h"
#include "core/model/TsObject.h"

namespace {
CTsObject* FindPage(CTsObject& site, const std::string& name) {
    if (name.empty()) return site.children.empty() ? nullptr : site.children.front();
    for (CTsObject* page : site.children)
        if (SameName(page->GetName(), name)) return page;
    return nullptr;
}
}  // namespace

int RunRender(const CliArguments& arguments) {
    if (arguments.positional.size() != 1) {
        ReportError("render needs SITE.quillora (see --help)");
        return 2;
    }
    if (!LoadLibrary(arguments)) return 1;
    // The process ends right after the command: the site is left to the system
    // instead of being torn down object by object.
    CTesseraDoc& document = *new CTesseraDoc;
    if (!OpenSite(arguments.positional[0], document)) return 1;
    CTsObject* page = FindPage(document.site, arguments.page);
    if (!page) {
        ReportError(arguments.page.empty() ? "the site has no page" : "the site has no page named \"" + arguments.page + "\"");
        return 1;
    }
    const std::string text = RenderPage(*page, arguments.design ? PageForm::Design : PageForm::Export);
    std::fwrite(text.data(), 1, text.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
