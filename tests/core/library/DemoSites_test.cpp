// The demo sites installed beside the program open without a message, share their
// header and footer across pages, rearrange on phones, and export pages that load
// in a real browser engine without script errors or missing files. The icon picker
// page answers a click with the address the picker dialog reads.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/document/TesseraDoc.h"
#include "core/generation/ExportSite.h"
#include "core/library/Instantiate.h"
#include "core/library/WidgetTree.h"
#include "core/model/SharedObjects.h"
#include "core/model/TsObject.h"
#include "core/services/Paths.h"
#include "tests/core/document/ScratchDirectory.h"
#include "tests/support/HeadlessBrowser.h"
#include "tests/support/RecordingPrompt.h"
#include "tests/support/ScopedLibrary.h"

namespace {

struct DemoSite {
    std::string name;
    std::string directory;
    std::string file;
};

void CollectSites(const CWidgetTree& node, const std::string& directory, std::vector<DemoSite>& out) {
    for (const std::string& name : node.names)
        out.push_back({name, PathJoin(directory, name), PathJoin(PathJoin(directory, name), name + ".quillora")});
    for (const CWidgetTree& child : node.children) CollectSites(child, PathJoin(directory, child.name), out);
}

class DemoSites : public ::testing::Test {
protected:
    DemoSites() {
        InstallInstantiation();
        InstallSharedObjectHooks();
        prompt = std::make_unique<CRecordingPrompt>();
        library = std::make_unique<CScopedLibrary>();
        CollectSites(library->loader.TemplateTree(), PathJoin(QUILLORA_PROGRAM_DIR, "template"), sites);
    }

    std::unique_ptr<CRecordingPrompt> prompt;
    std::unique_ptr<CScopedLibrary> library;
    std::vector<DemoSite> sites;
};

// Some object of the page takes another place or size on phones.
bool RearrangesOnPhones(const CTsObject& object) {
    for (const CTsObject* child : object.children) {
        const auto& lists = child->properties.ViewportLists();
        if (!lists.empty())
            for (const char* key : {"left", "top", "width", "height"}) {
                const CTsProperty* own = child->properties.FindOwn(key);
                const CTsProperty* phone = lists[0].FindOwn(key);
                if (own && phone && own->value.text != phone->value.text) return true;
            }
        if (RearrangesOnPhones(*child)) return true;
    }
    return false;
}

TEST_F(DemoSites, EveryDemoSiteOpensWithoutAMessage) {
    ASSERT_GE(sites.size(), 4u);
    for (const DemoSite& demo : sites) {
        SCOPED_TRACE(demo.name);
        CTesseraDoc doc;
        ASSERT_TRUE(doc.OnOpenDocument(demo.file));
        EXPECT_TRUE(prompt->messages.empty()) << prompt->messages.front();
        prompt->messages.clear();
        ASSERT_GE(doc.site.children.size(), 3u);
        EXPECT_NE(doc.site.OwnValue("viewport").find("Mobile Phone"), std::string::npos);
        // Header and footer parts are shared copies on every page.
        size_t sharedEverywhere = 0;
        for (const COneSharedObjectList& group : doc.site.sharedGroups)
            if (group.size() == doc.site.children.size()) ++sharedEverywhere;
        EXPECT_GE(sharedEverywhere, 2u);
        for (const CTsObject* page : doc.site.children) {
            EXPECT_FALSE(page->OwnValue("title").empty()) << page->GetName();
            EXPECT_TRUE(RearrangesOnPhones(*page)) << page->GetName();
        }
    }
}

TEST_F(DemoSites, ExportedPagesLoadInABrowserWithoutFaults) {
    const bool browser = CHeadlessBrowser::Available();
    for (const DemoSite& demo : sites) {
        SCOPED_TRACE(demo.name);
        CTesseraDoc doc;
        ASSERT_TRUE(doc.OnOpenDocument(demo.file));
        CScratchDirectory scratch;
        const std::string out = scratch.Join(demo.name);
        std::filesystem::create_directories(out);
        ASSERT_TRUE(ExportSite(doc.site, out, demo.directory));
        EXPECT_TRUE(prompt->messages.empty()) << prompt->messages.front();
        for (const CTsObject* page : doc.site.children) {
            const std::string file = PathJoin(out, page->GetName() + ".htm");
            ASSERT_TRUE(std::filesystem::exists(file)) << file;
            if (!browser) continue;
            const std::vector<std::string> faults = CHeadlessBrowser::Faults(CHeadlessBrowser::Load(file));
            EXPECT_TRUE(faults.empty()) << page->GetName() << ": " << faults.front();
        }
    }
    if (!browser) GTEST_SKIP() << "chromium is not installed: pages were exported but not loaded";
}

TEST(IconPicker, ClickingAnIconNavigatesToItsValue) {
    if (!CHeadlessBrowser::Available()) GTEST_SKIP() << "chromium is not installed";
    const std::string page = PathJoin(QUILLORA_PROGRAM_DIR, "pageselector/iconpicker/iconpicker.htm");
    ASSERT_TRUE(std::filesystem::exists(page));
    const std::vector<std::string> lines = CHeadlessBrowser::Load(
        page,
        "var box=document.getElementById('search');box.value='star';"
        "box.dispatchEvent(new Event('input'));"
        "console.log('PROBE-SHOWN '+document.getElementById('count').textContent);"
        "document.querySelector('button[data-value=\"fa-star-o\"]').click();");
    std::string navigation;
    std::string shown;
    for (const std::string& line : lines) {
        if (line.find("PROBE-NAVIGATE ") != std::string::npos) navigation = line;
        if (line.find("PROBE-SHOWN ") != std::string::npos) shown = line;
    }
    // "PROBE-SHOWN 12 of 786 icons": the search narrowed the grid.
    const size_t count = shown.find("PROBE-SHOWN ");
    ASSERT_NE(count, std::string::npos);
    const int matching = std::atoi(shown.c_str() + count + 12);
    const int all = std::atoi(shown.c_str() + shown.find(" of ") + 4);
    EXPECT_GT(matching, 0);
    EXPECT_GT(all, 700) << "the whole Font Awesome set is offered";
    EXPECT_LT(matching, all);
    ASSERT_NE(navigation.find("http://iconpicker/icons/fa-star-o"), std::string::npos) << navigation;
    EXPECT_TRUE(CHeadlessBrowser::Faults(lines).empty()) << CHeadlessBrowser::Faults(lines).front();
}

}  // namespace
