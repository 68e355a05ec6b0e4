#include "core/generation/PageLists.h"

#include "core/model/PageEvaluator.h"
#include "core/model/PropertyVariant.h"
#include "core/model/TsObject.h"

std::vector<std::string> PageFileNames(const CTsObject& site) {
    std::vector<std::string> names;
    for (const CTsObject* page : site.children) names.push_back(page->GetName() + ".htm");
    return names;
}

std::vector<std::string> PageAnchors(IPageEvaluator* page) {
    std::vector<std::string> anchors;
    if (!page) return anchors;
    const int count = ReadDecimalInt(page->Evaluate("document.anchors.length"));
    for (int i = 0; i < count; ++i)
        anchors.push_back("#" + page->Evaluate("document.anchors[" + std::to_string(i) + "].id"));
    return anchors;
}
