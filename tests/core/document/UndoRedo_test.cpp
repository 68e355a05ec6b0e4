#include "core/document/UndoRedo.h"

#include <gtest/gtest.h>

#include <functional>

#include "core/services/Log.h"
#include "core/services/TextFile.h"
#include "tests/core/document/DocumentFixture.h"
#include "tests/core/document/ScratchDirectory.h"

namespace {

class UndoRedoTest : public CDocumentFixture {};

const std::vector<int> kTreeChangedEvents = {RefreshDesignPage, RefreshWidgetTree, RefreshSiteTree,
                                             RefreshProperties, SetModified, RefreshDesignPage};

TEST_F(UndoRedoTest, APropertyChangeUndoesAndRedoesBetweenTheTwoStates) {
    CTsObject* block = Page(0)->children[0];
    edits->RecordPropertyChange(block);
    block->SetProperty("color", PropertyVariant("#ff0000"));
    for (int round = 0; round < 2; ++round) {
        events.clear();
        ASSERT_TRUE(doc->history.Undo());
        EXPECT_EQ(Base(*block, "color"), "");
        EXPECT_EQ(EventNumbers(), (std::vector<int>{RefreshProperties, SetModified, RefreshDesignPage}));
        EXPECT_EQ(events[0].first, reinterpret_cast<intptr_t>(block));
        ASSERT_TRUE(doc->history.Redo());
        EXPECT_EQ(Base(*block, "color"), "#ff0000");
    }
    EXPECT_FALSE(doc->history.Redo());
    EXPECT_EQ(block->refCount, 2);  // the page and the action
}

TEST_F(UndoRedoTest, DeletingAContainerWithChildrenUndoesWithTheWholeSubtree) {
    CTsObject* page = Page(0);
    CTsObject* box = Attach(page, "Container", "Box");
    Attach(box, "Block", "Inner1");
    Attach(box, "_Button", "Inner2");
    Attach(page, "Block", "After");
    prompt.Script(PromptAnswer::No);
    EXPECT_FALSE(edits->DeleteObject(box, false));
    EXPECT_EQ(prompt.questions, std::vector<std::string>{"Object has child object, sure to delete ?"});
    const int references = box->refCount;
    ASSERT_TRUE(edits->DeleteObject(box, false));
    EXPECT_EQ(Outline(*page), "index(Block1 After)");
    EXPECT_EQ(box->refCount, references);  // the page's reference passed to the removal record

    events.clear();
    ASSERT_TRUE(doc->history.Undo());
    EXPECT_EQ(Outline(*page), "index(Block1 Box(Inner1 Inner2) After)");
    EXPECT_EQ(box->parent, page);
    EXPECT_EQ(EventNumbers(), kTreeChangedEvents);
    ASSERT_TRUE(doc->history.Redo());
    EXPECT_EQ(Outline(*page), "index(Block1 After)");
    EXPECT_TRUE(CTsObject::IsLive(box));
}

TEST_F(UndoRedoTest, ANewEditAfterUndoDestroysWhatOnlyTheRedoListHeld) {
    CTsObject* inserted = Attach(Page(0), "Container", "Fresh");
    CTsObject* child = Attach(inserted, "Block", "FreshChild");
    ASSERT_TRUE(doc->history.Undo());  // the child's insertion
    ASSERT_TRUE(doc->history.Undo());  // the container's insertion
    EXPECT_EQ(doc->history.RedoList().size(), 2u);
    EXPECT_TRUE(CTsObject::IsLive(inserted));
    edits->RecordPropertyChange(Page(0)->children[0]);
    EXPECT_TRUE(doc->history.RedoList().empty());
    EXPECT_FALSE(CTsObject::IsLive(inserted));
    EXPECT_FALSE(CTsObject::IsLive(child));
    EXPECT_TRUE(prompt.messages.empty()) << prompt.messages.front();
}

TEST_F(UndoRedoTest, EachMoveTakesTwoUndoSteps) {
    CTsObject* page = Page(0);
    CTsObject* box = Attach(page, "Container", "Box");
    CTsObject* item = Attach(box, "Block", "Item");
    Attach(box, "Block", "Other");
    Attach(page, "Block", "Last");
    CTsObject* other = box->children[1];
    CTsObject* last = page->children[2];
    const std::string start = Outline(*page);
    struct Case { const char* name; std::function<bool()> move; const char* after; };
    const Case cases[] = {
        {"left", [&] { return edits->MoveObjectLeft(item); }, "index(Block1 Box(Other) Item Last)"},
        {"down", [&] { return edits->MoveObjectDown(item); }, "index(Block1 Box(Other Item) Last)"},
        {"up", [&] { return edits->MoveObjectUp(other); }, "index(Block1 Box(Other Item) Last)"},
        {"right", [&] { return edits->MoveObjectRight(last, box); }, "index(Block1 Box(Item Other Last))"},
    };
    for (const Case& c : cases) {
        const size_t records = doc->history.UndoList().size();
        ASSERT_TRUE(c.move()) << c.name;
        EXPECT_EQ(Outline(*page), c.after) << c.name;
        EXPECT_EQ(doc->history.UndoList().size(), records + 2) << c.name;
        const std::string moved = Outline(*page);
        ASSERT_TRUE(doc->history.Undo());
        EXPECT_NE(Outline(*page), moved) << c.name;
        ASSERT_TRUE(doc->history.Undo());
        EXPECT_EQ(Outline(*page), start) << c.name;
        ASSERT_TRUE(doc->history.Redo());
        ASSERT_TRUE(doc->history.Redo());
        EXPECT_EQ(Outline(*page), moved) << c.name;
        ASSERT_TRUE(doc->history.Undo());
        ASSERT_TRUE(doc->history.Undo());
    }
    EXPECT_FALSE(edits->MoveObjectUp(page->children[0]));
    EXPECT_FALSE(edits->MoveObjectDown(page->children.back()));
    // Out of a page would put a widget among the pages of the site.
    EXPECT_FALSE(edits->MoveObjectLeft(page->children[0]));
    EXPECT_EQ(Outline(*page), start);
    EXPECT_EQ(item->refCount, 2);  // the box and its insertion record
    EXPECT_TRUE(prompt.messages.empty()) << prompt.messages.front();
}

TEST_F(UndoRedoTest, APageSwitchIsRecordedAndReplayedWithoutANewRecord) {
    CTsObject* first = Page(0);
    CTsObject* second = edits->AddPage();
    EXPECT_TRUE(edits->ShowPage(first, false));      // nothing was shown before: no record
    EXPECT_EQ(doc->history.UndoList().size(), 1u);  // only the added page
    ASSERT_TRUE(edits->ShowPage(second, false));
    EXPECT_FALSE(edits->ShowPage(second, false));
    ASSERT_EQ(doc->history.UndoList().size(), 2u);
    EXPECT_EQ(doc->history.UndoList().back()->kind, ActionPageSwitch);

    events.clear();
    ASSERT_TRUE(doc->history.Undo());
    EXPECT_EQ(doc->shownPage, first);
    EXPECT_EQ(EventNumbers(), (std::vector<int>{ShowPage, RefreshDesignPage}));
    EXPECT_EQ(events[0].second, 1);
    EXPECT_EQ(doc->history.UndoList().size(), 1u);
    ASSERT_TRUE(doc->history.Redo());
    EXPECT_EQ(doc->shownPage, second);
    EXPECT_EQ(doc->history.UndoList().size(), 2u);
}

TEST_F(UndoRedoTest, DropLastUndoForgetsAnUnneededSnapshot) {
    CTsObject* block = Page(0)->children[0];
    const size_t records = doc->history.UndoList().size();
    edits->RecordPropertyChange(block);
    edits->DropLastUndo();
    EXPECT_EQ(doc->history.UndoList().size(), records);
    EXPECT_EQ(block->refCount, 1);
    doc->history.Clear();
    edits->DropLastUndo();  // nothing to drop
}

TEST_F(UndoRedoTest, TheDumpListsBothHistoriesOneLinePerAction) {
    CTsObject* block = Page(0)->children[0];
    block->SetProperty("name", PropertyVariant("Text1"));
    edits->RecordPropertyChange(block);
    CTsObject* page2 = edits->AddPage();
    ASSERT_TRUE(doc->history.Undo());
    const std::string expected =
        "dump undolist\n"
        "action=0, obj=Text1, save1=Text1, refcount=1, save2=Site1, refcount=1\n"
        "dump redolist\n"
        "action=2, obj=Site1, save1=" + page2->GetName() + ", refcount=1, save2=, refcount=0\n";
    EXPECT_EQ(doc->history.DumpText(), expected);

    CScratchDirectory scratch;
    OpenLogIn(scratch.Path(), "");
    doc->history.Dump();
    CloseLog();
    std::string log;
    ReadTextFile(LogFilePath(scratch.Path()), log);
    EXPECT_NE(log.find("]action=0, obj=Text1, save1=Text1, refcount=1, save2=Site1, refcount=1\n"), std::string::npos)
        << log;
    EXPECT_NE(log.find("]dump redolist\n"), std::string::npos);
}

}  // namespace
