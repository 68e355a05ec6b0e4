#include "core/model/SharedObjects.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/document/AppEventHub.h"
#include "core/model/TsObject.h"
#include "core/services/Log.h"
#include "core/services/TextFile.h"
#include "tests/core/document/ScratchDirectory.h"
#include "tests/core/document/SiteFixture.h"

namespace {

// A site of three pages A, B and C; page A holds a footer with one child.
class SharedObjectsTest : public CSiteFixture {
protected:
    void SetUp() override {
        CSiteFixture::SetUp();
        site = std::make_unique<CTsObject>();
        for (const char* name : {"A", "B", "C"}) {
            CTsObject* page = site->children[static_cast<size_t>(site->CreatePage())];
            page->SetProperty("name", PropertyVariant(name));
            pages.push_back(page);
        }
        footer = Attach(*pages[0], "Container");
        footer->SetProperty("name", PropertyVariant("Footer"));
        Attach(*footer, "_Basic_Label");
        // Paste As Shared hands its copies to AppendObject: attach them here.
        AppEventHub::Instance().SetHandler(AppendObject, [this](const EventRecord& record) {
            auto* parent = reinterpret_cast<CTsObject*>(record.first);
            parent->AppendChild(reinterpret_cast<CTsObject*>(record.second));
            ++appended;
        });
    }
    void TearDown() override {
        AppEventHub::Instance().ClearHandlers();
        site.reset();
        CSiteFixture::TearDown();
    }
    static CTsObject* Attach(CTsObject& parent, const std::string& type) {
        auto* child = new CTsObject(&parent, type);
        parent.AppendChild(child);
        return child;
    }
    CTsObject* LastChild(size_t page) { return pages[page]->children.back(); }

    std::unique_ptr<CTsObject> site;
    std::vector<CTsObject*> pages;
    CTsObject* footer = nullptr;
    int appended = 0;
};

TEST_F(SharedObjectsTest, LinkSharedJoinsTheGroupOfEitherObjectOnce) {
    CTsObject* a = Attach(*pages[1], "Block");
    CTsObject* b = Attach(*pages[2], "Block");
    CTsObject* c = Attach(*pages[2], "Block");
    CSharedObjectList groups;
    LinkShared(groups, footer, a);
    LinkShared(groups, b, footer);
    LinkShared(groups, a, footer);  // already together
    LinkShared(groups, c, b);
    ASSERT_EQ(groups.size(), 1u);
    EXPECT_EQ(groups[0], (COneSharedObjectList{footer, a, b, c}));
    EXPECT_EQ(FindGroup(groups, b), groups[0]);
    EXPECT_TRUE(FindGroup(groups, pages[0]).empty());
    RemoveFromGroups(a, groups);
    EXPECT_EQ(groups[0], (COneSharedObjectList{footer, b, c}));
}

TEST_F(SharedObjectsTest, ADestroyedMemberLeavesItsGroupAndAKeptOneStays) {
    CTsObject* copy = Attach(*pages[1], "Block");
    LinkShared(site->sharedGroups, footer, copy);
    pages[1]->RemoveChild(copy);  // kept by "the history"
    EXPECT_EQ(site->sharedGroups[0].size(), 2u);
    copy->Release();
    EXPECT_EQ(site->sharedGroups[0], (COneSharedObjectList{footer}));
}

TEST_F(SharedObjectsTest, PasteAsSharedLinksCopiesThatKeepTheirPositionAndTheirOwnNames) {
    footer->properties.FindOwn("left")->SetValue(PropertyVariant("40px"));
    EXPECT_EQ(PasteAsShared({footer}, *pages[1]), 1);
    CTsObject* copy = LastChild(1);
    EXPECT_EQ(copy->GetName(), "Footer1");
    EXPECT_EQ(Base(*copy, "left"), "40px");
    ASSERT_EQ(copy->children.size(), 1u);
    EXPECT_EQ(site->sharedGroups, (CSharedObjectList{{copy, footer}}));

    EXPECT_EQ(PasteAsShared({footer}, *pages[2]), 1);
    EXPECT_EQ(site->sharedGroups.size(), 1u);
    EXPECT_EQ(site->sharedGroups[0].size(), 3u);
    EXPECT_EQ(appended, 2);
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(SharedObjectsTest, PasteAsSharedRefusesAndStopsAtTheFirstRefusal) {
    CTsObject other;
    CTsObject* foreignPage = other.children[static_cast<size_t>(other.CreatePage())];
    CTsObject* foreign = Attach(*foreignPage, "Block");
    CTsObject* plain = Attach(*pages[2], "Block");
    ASSERT_EQ(PasteAsShared({footer}, *pages[1]), 1);
    struct Case { std::vector<CTsObject*> clipboard; CTsObject* page; int pasted; const char* message; };
    const Case cases[] = {
        {{footer}, pages[0], 0, "Can't paste shared object to same page."},
        {{footer}, pages[1], 0, "Already has a shared copied object in this page, can't copy another."},
        {{LastChild(1)}, pages[0], 0, "Already has a shared copied object in this page, can't copy another."},
        {{foreign}, pages[1], 0, "Can't paste shared object to different site."},
        {{plain, footer, plain}, pages[1], 1, "Already has a shared copied object in this page, can't copy another."},
    };
    for (const Case& c : cases) {
        prompt.messages.clear();
        const size_t before = c.page->children.size();
        EXPECT_EQ(PasteAsShared(c.clipboard, *c.page), c.pasted) << c.message;
        EXPECT_EQ(prompt.messages, std::vector<std::string>{c.message});
        EXPECT_EQ(c.page->children.size(), before + static_cast<size_t>(c.pasted));
    }
}

TEST_F(SharedObjectsTest, SyncPushesEveryPropertyButTheNameAndTheLastPageEditedWins) {
    PasteAsShared({footer}, *pages[1]);
    CTsObject* copy = LastChild(1);
    SetBase(*copy, "color", "#00ff00");
    SetBase(*copy, "left", "8px");
    SetBase(*copy->children[0], "color", "#0000ff");  // not linked itself
    SyncShared(site->sharedGroups, *pages[1]);
    EXPECT_EQ(Base(*footer, "color"), "#00ff00");
    EXPECT_EQ(Base(*footer, "left"), "8px");
    EXPECT_EQ(footer->GetName(), "Footer");
    EXPECT_EQ(copy->GetName(), "Footer1");
    EXPECT_NE(Base(*footer->children[0], "color"), "#0000ff");

    SetBase(*footer, "color", "#ff0000");
    SyncSharedFromPage(*pages[0]);
    EXPECT_EQ(Base(*copy, "color"), "#ff0000");
    EXPECT_EQ(Base(*copy, "left"), "8px");
}

TEST_F(SharedObjectsTest, ShowRelatedSharedNamesEachMemberAndWhereItIs) {
    ShowRelatedShared(*site, *footer);
    PasteAsShared({footer}, *pages[1]);
    CTsObject* copy = LastChild(1);
    pages[1]->RemoveChild(copy);
    ShowRelatedShared(*site, *footer);
    ShowRelatedShared(*pages[0], *footer);
    EXPECT_EQ(prompt.messages, (std::vector<std::string>{
                                   "No related shared widget found.",
                                   "Found shared widgets:\nFooter1 on UndoRedo\nFooter on page A\n",
                                   "only site object can link two object",
                               }));
    copy->Release();
}

TEST_F(SharedObjectsTest, DumpSharedWritesOneLinePerGroup) {
    CScratchDirectory scratch;
    OpenLogIn(scratch.Path(), "");
    PasteAsShared({footer}, *pages[1]);
    CTsObject* copy = LastChild(1);
    pages[1]->RemoveChild(copy);
    site->sharedGroups.push_back({pages[2]});
    EXPECT_EQ(SharedDumpLine(0, site->sharedGroups[0]), "sharedObjList 0:[undoredo]|Footer1, A|Footer, \n");
    EXPECT_EQ(SharedDumpLine(1, site->sharedGroups[1]), "sharedObjList 1:C|C, \n");
    DumpShared(site->sharedGroups);
    CloseLog();
    std::string log;
    ReadTextFile(LogFilePath(scratch.Path()), log);
    EXPECT_NE(log.find("sharedObjList 0:[undoredo]|Footer1, A|Footer, \n"), std::string::npos) << log;
    EXPECT_NE(log.find("sharedObjList 1:C|C, \n"), std::string::npos);
    copy->Release();
}

}  // namespace
