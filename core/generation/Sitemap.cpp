#include "core/generation/Sitemap.h"

#include "core/generation/OutputFile.h"
#include "core/model/TsObject.h"
#include "core/services/Prompt.h"

namespace {
std::vector<std::string> PageNames(const CTsObject& site) {
    std::vector<std::string> names;
    for (const CTsObject* page : site.children) names.push_back(page->GetName());
    return names;
}
}  // namespace

std::string BuildSitemap(const CTsObject& site, SitemapDate date) {
    return BuildSitemapText(site.OwnValue("domain"), PageNames(site), date);
}

bool WriteSitemap(const CTsObject& site, const std::string& path) {
    if (site.OwnValue("domain").empty()) {
        ShowMessage("Please set domain name first.");
        return false;
    }
    return WriteTextWithCrLf(path, BuildSitemap(site, LocalDate()));
}
