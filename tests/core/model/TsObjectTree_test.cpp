#include <gtest/gtest.h>

#include <algorithm>

#include "tests/core/model/ModelFixture.h"

namespace {

class TreeTest : public ModelFixture {};

std::vector<std::string> Names(const std::vector<CTsObject*>& objects) {
    std::vector<std::string> names;
    for (const CTsObject* object : objects) names.push_back(object->GetName());
    return names;
}

TEST_F(TreeTest, ConstructionSetsTheFieldsAndTheRoot) {
    MakeSite();
    EXPECT_EQ(site->root, site);
    EXPECT_EQ(site->parent, nullptr);
    EXPECT_EQ(site->GetName(), "Site1");
    CTsObject* widget = new CTsObject(Page(), "_Basic_Button");
    EXPECT_EQ(widget->GetName(), "Button1");  // the short name of the type
    EXPECT_EQ(widget->root, site);
    EXPECT_EQ(widget->parent, Page());
    EXPECT_EQ(widget->refCount, 1);
    EXPECT_TRUE(Page()->children.empty());  // the caller attaches it
    widget->Release();
}

TEST_F(TreeTest, InsertAndRemoveKeepTheOrder) {
    MakeSite();
    CTsObject* a = Attach(Page(), "Text", "A");
    CTsObject* c = Attach(Page(), "Text", "C");
    CTsObject* b = new CTsObject(Page(), "Text");
    b->SetName("B");
    EXPECT_EQ(Page()->InsertChildAt(1, b), 1);
    CTsObject* d = new CTsObject(Page(), "Text");
    d->SetName("D");
    EXPECT_EQ(Page()->InsertChildAt(3, d), 3);  // the number of children appends
    EXPECT_EQ(Names(Page()->children), (std::vector<std::string>{"A", "B", "C", "D"}));
    EXPECT_EQ(b->GetPrevSibling(), a);
    EXPECT_EQ(b->GetNextSibling(), c);
    EXPECT_EQ(a->GetPrevSibling(), nullptr);
    EXPECT_EQ(d->GetNextSibling(), nullptr);

    EXPECT_EQ(Page()->RemoveChild(b), 1);
    EXPECT_EQ(b->parent, nullptr);
    EXPECT_EQ(b->GetPrevSibling(), nullptr);
    Page()->RemoveChildAt(0);
    EXPECT_EQ(a->parent, nullptr);
    EXPECT_EQ(Names(Page()->children), (std::vector<std::string>{"C", "D"}));
    EXPECT_TRUE(prompt.messages.empty());

    EXPECT_EQ(Page()->RemoveChild(b), -1);
    EXPECT_EQ(prompt.messages, (std::vector<std::string>{"Can't find object to delete."}));
    a->Release();
    b->Release();
}

TEST_F(TreeTest, AttachingRewritesTheRootOfTheWholeSubtree) {
    MakeSite();
    CTsObject other;  // a second site
    CTsObject* box = new CTsObject(&other, "Container");
    CTsObject* item = new CTsObject(box, "Text");
    box->children.push_back(item);
    EXPECT_EQ(item->root, &other);
    Page()->AppendChild(box);
    EXPECT_EQ(box->root, site);
    EXPECT_EQ(item->root, site);
    EXPECT_EQ(box->parent, Page());
}

TEST_F(TreeTest, PagesAndFileNames) {
    MakeSite();
    CTsObject* box = Attach(Page(), "Container", "Box");
    CTsObject* item = Attach(box, "Text", "Item");
    EXPECT_EQ(item->GetPage(), Page());
    EXPECT_EQ(Page()->GetPage(), Page());
    EXPECT_EQ(site->GetPage(), nullptr);
    EXPECT_EQ(Page()->GetFileName(), "Page1.htm");
    EXPECT_EQ(item->GetFileName(), "Item");
    Page()->RemoveChild(box);
    EXPECT_EQ(box->GetPage(), nullptr);
    box->Release();
}

TEST_F(TreeTest, AnExtraHolderKeepsARemovedObjectAlive) {
    MakeSite();
    CTsObject* widget = Attach(Page(), "Text", "Kept");
    widget->AddRef();  // an undo action
    widget->Release();  // the action goes
    EXPECT_TRUE(CTsObject::IsLive(widget));
    Page()->RemoveChild(widget);
    widget->Release();  // the page's reference, passed on by RemoveChild
    EXPECT_FALSE(CTsObject::IsLive(widget));
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(TreeTest, AChildHeldElsewhereSurvivesItsParent) {
    MakeSite();
    CTsObject* box = Attach(Page(), "Container", "Box");
    CTsObject* item = Attach(box, "Text", "Item");
    item->AddRef();
    Page()->RemoveChild(box);
    box->Release();
    EXPECT_FALSE(CTsObject::IsLive(box));
    ASSERT_TRUE(CTsObject::IsLive(item));
    EXPECT_EQ(item->refCount, 1);
    item->Release();
    EXPECT_FALSE(CTsObject::IsLive(item));
}

TEST_F(TreeTest, ReleasingBelowZeroIsReportedAndDestroysNothing) {
    MakeSite();
    CTsObject* widget = Attach(Page(), "Text", "Twice");
    widget->refCount = 0;
    widget->Release();
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0],
              "delete object error, reference count = -1, Twice, this is a message for debug, please ignore.");
    EXPECT_TRUE(CTsObject::IsLive(widget));
    widget->refCount = 1;
}

TEST_F(TreeTest, TheLastReleaseLeavesTheSharedGroups) {
    MakeSite();
    CTsObject* a = Attach(Page(), "Text", "A");
    CTsObject* b = Attach(Page(), "Text", "B");
    site->sharedGroups = {{a, b}};
    std::vector<CTsObject*> left;
    SetLeaveSharedGroupsHook([&](CTsObject& object, CSharedObjectList& groups) {
        left.push_back(&object);
        for (auto& group : groups) {
            auto found = std::find(group.begin(), group.end(), &object);
            if (found != group.end()) group.erase(found);
        }
    });
    a->AddRef();
    Page()->RemoveChild(a);
    a->Release();
    EXPECT_TRUE(left.empty());  // the undo history still holds it
    a->Release();
    EXPECT_EQ(left, std::vector<CTsObject*>{a});
    EXPECT_EQ(site->sharedGroups, (CSharedObjectList{{b}}));
}

TEST_F(TreeTest, ObjectKeptPastItsSiteIsReleasedSafely) {
    MakeSite();
    CTsObject* widget = Attach(Page(), "Text", "Clipped");
    widget->AddRef();  // a clipboard that outlives the site
    delete site;
    site = nullptr;
    bool hookRan = false;
    SetLeaveSharedGroupsHook([&](CTsObject&, CSharedObjectList&) { hookRan = true; });
    ASSERT_TRUE(CTsObject::IsLive(widget));
    widget->Release();
    EXPECT_FALSE(CTsObject::IsLive(widget));
    EXPECT_FALSE(hookRan);
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(TreeTest, CloneCopiesTheSubtreeDetachedAndPlacesEachCopy) {
    MakeSite();
    CTsObject* box = Attach(Page(), "Container", "Box");
    CTsObject* item = Attach(box, "Text", "Item");
    box->selected = item->selected = true;
    box->properties.At("color").SetValue("#ff0000");
    std::vector<std::string> placed;
    SetCascadePlacementHook([&](CTsObject& copy) { placed.push_back(copy.GetName()); });

    CTsObject* copy = box->Clone();
    EXPECT_EQ(placed, (std::vector<std::string>{"Item", "Box"}));
    EXPECT_EQ(copy->refCount, 1);
    EXPECT_EQ(copy->root, site);
    EXPECT_EQ(copy->type, "Container");
    EXPECT_FALSE(copy->selected);
    ASSERT_EQ(copy->children.size(), 1u);
    EXPECT_NE(copy->children[0], item);
    EXPECT_EQ(copy->children[0]->parent, copy);
    EXPECT_FALSE(copy->children[0]->selected);
    EXPECT_EQ(copy->OwnValue("color"), "#ff0000");
    EXPECT_EQ(box->children.size(), 1u);

    placed.clear();
    CTsObject* unplaced = box->Clone(false);
    EXPECT_EQ(placed, (std::vector<std::string>{"Item"}));
    copy->Release();
    unplaced->Release();
}

TEST_F(TreeTest, CopyFromTakesOwnStateAndLeavesTheRest) {
    MakeSite();
    CTsObject* source = Attach(Page(), "Text", "Source");
    source->properties.At("color").SetValue("blue");
    source->rect = {1, 2, 3, 4};
    source->baseKind = "Block";
    source->noDiv = true;
    CTsObject* destination = Attach(Page(), "Container", "Destination");
    Attach(destination, "Text", "Kept");
    destination->editing = true;
    destination->AddRef();

    destination->CopyFrom(*source);
    EXPECT_EQ(destination->type, "Text");
    EXPECT_EQ(destination->GetName(), "Source");
    EXPECT_EQ(destination->OwnValue("color"), "blue");
    EXPECT_EQ(destination->rect, (TSRECT{1, 2, 3, 4}));
    EXPECT_EQ(destination->baseKind, "Block");
    EXPECT_TRUE(destination->noDiv);
    EXPECT_EQ(destination->children.size(), 1u);
    EXPECT_TRUE(destination->editing);
    EXPECT_EQ(destination->refCount, 2);
    destination->Release();
}

TEST_F(TreeTest, SelectionAndNameCollectionSkipSiteAndPages) {
    MakeSite();
    CTsObject* box = Attach(Page(), "Container", "Box");
    CTsObject* item = Attach(box, "Text", "Item");
    CTsObject* button = Attach(Page(), "_Basic_Button", "Go");
    site->selected = Page()->selected = true;
    EXPECT_TRUE(site->HasSelected());
    EXPECT_EQ(site->FindSelected(), site);

    std::vector<CTsObject*> selection;
    site->CollectSelected(selection);
    EXPECT_TRUE(selection.empty());
    button->selected = item->selected = true;
    site->CollectSelected(selection);
    EXPECT_EQ(selection, (std::vector<CTsObject*>{item, button}));
    EXPECT_FALSE(box->selected);
    EXPECT_TRUE(box->HasSelected());

    Page()->editing = true;
    EXPECT_EQ(site->FindEditing(), nullptr);
    button->editing = true;
    EXPECT_EQ(site->FindEditing(), button);

    std::vector<std::string> names;
    site->CollectNames(names);
    EXPECT_EQ(names, (std::vector<std::string>{"Box", "Item", "Go"}));
    names.clear();
    site->CollectNames(names, "_basic_button");
    EXPECT_EQ(names, (std::vector<std::string>{"Go"}));
}

TEST_F(TreeTest, ZIndexRangeCountsBlankAsOneHundred) {
    MakeSite();
    CTsObject* box = Attach(Page(), "Container", "Box");
    EXPECT_EQ(box->GetMaxZIndex(), 100);
    EXPECT_EQ(box->GetMinZIndex(), 100);
    Attach(box, "Text", "Low")->properties.At("z-index").SetValue(" 5 ");
    Attach(box, "Text", "High")->properties.At("z-index").SetValue("250");
    EXPECT_EQ(box->GetMaxZIndex(), 250);
    EXPECT_EQ(box->GetMinZIndex(), 5);
    box->properties.At("z-index").SetValue("-3");
    EXPECT_EQ(box->GetMinZIndex(), -3);
}

TEST_F(TreeTest, ClassAttributeAndStaticPosition) {
    MakeSite();
    CTsObject* widget = Attach(Page(), "Text", "W");
    EXPECT_EQ(widget->GetClassAttribute(), "");
    widget->properties.At("class").SetValue("  lead big ");
    EXPECT_EQ(widget->GetClassAttribute(), "class=\"lead big\"");
    const std::pair<const char*, bool> positions[] = {
        {"", true}, {"  ", true}, {" Static ", true}, {"absolute", false}, {"fixed", false}};
    for (const auto& [position, isStatic] : positions) {
        widget->properties.At("position").SetValue(position);
        EXPECT_EQ(widget->IsStatic(), isStatic) << position;
    }
}

}  // namespace
