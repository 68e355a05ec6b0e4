#include <gtest/gtest.h>

#include "tests/core/model/ModelFixture.h"

namespace {

// The site answers name questions from an index; these changes bypass the tree
// operations and must still be seen.
class NameIndexTest : public ModelFixture {
protected:
    void SetUp() override {
        ModelFixture::SetUp();
        MakeSite();
        alpha = Attach(Page(), "Text", "Alpha");
    }
    std::string NameOfNew(const std::string& name) { return Attach(Page(), "Text", name)->GetName(); }
    CTsObject* alpha = nullptr;
};

TEST_F(NameIndexTest, DirectWritesToTheNameAreSeen) {
    alpha->properties.At("name").value.text = " Beta ";
    EXPECT_EQ(NameOfNew("beta"), "beta1");
    EXPECT_EQ(NameOfNew("Alpha"), "Alpha");
    CTsProperty* name = alpha->properties.FindOwn("name");
    name->SetValue("Gamma");
    EXPECT_TRUE(site->ContainsName("GAMMA"));
    EXPECT_EQ(site->FindObjectByName("gamma"), alpha);
}

TEST_F(NameIndexTest, ChildrenAddedDirectlyAreSeen) {
    CTsObject* pushed = new CTsObject(Page(), "Text");
    pushed->SetName("Pushed");
    Page()->children.push_back(pushed);
    EXPECT_EQ(NameOfNew("Pushed"), "Pushed1");
    Page()->RemoveChild(pushed);
    pushed->Release();
    EXPECT_EQ(NameOfNew("Pushed"), "Pushed");
}

TEST_F(NameIndexTest, CopiedPropertiesBringTheirName) {
    CTsObject* other = Attach(Page(), "Text", "Other");
    other->CopyFrom(*alpha);
    EXPECT_EQ(NameOfNew("Other"), "Other");
    CTsObject* assigned = Attach(Page(), "Text", "Assigned");
    assigned->properties.Assign(alpha->properties);
    EXPECT_EQ(NameOfNew("Assigned"), "Assigned");
}

TEST_F(NameIndexTest, FreedNumbersAreTakenAgainLowestFirst) {
    std::vector<CTsObject*> texts;
    for (int i = 0; i < 4; ++i) texts.push_back(Attach(Page(), "Text"));
    EXPECT_EQ(texts[3]->GetName(), "Text4");
    Page()->RemoveChild(texts[1]);
    texts[1]->Release();
    EXPECT_EQ(Attach(Page(), "Text")->GetName(), "Text2");
    texts[2]->SetProperty("name", "Renamed");
    EXPECT_EQ(Attach(Page(), "Text")->GetName(), "Text3");
    EXPECT_EQ(Attach(Page(), "Text")->GetName(), "Text5");
}

TEST_F(NameIndexTest, DuplicatesTakenAsTheyStandAreFoundInDocumentOrder) {
    CTsObject* box = Attach(Page(), "Container", "Box");
    CTsObject* first = new CTsObject(box, "Text");
    first->SetName("Dup");
    box->AttachAsIs(first);
    CTsObject* second = new CTsObject(Page(), "Text");
    second->properties.FindOwn("name")->value.text = "dup";
    Page()->AttachAsIs(second);
    EXPECT_EQ(second->GetName(), "dup");  // not renamed
    EXPECT_EQ(site->FindObjectByName("DUP"), first);
    EXPECT_TRUE(site->HasNameConflict(first));
    EXPECT_FALSE(box->HasNameConflict(first));  // a subtree is walked
}

}  // namespace
