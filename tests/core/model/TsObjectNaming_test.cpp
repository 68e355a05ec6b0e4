#include <gtest/gtest.h>

#include "tests/core/model/ModelFixture.h"

namespace {

class NamingTest : public ModelFixture {};

struct NamingCase {
    std::vector<std::string> existing;  // names already on the page
    std::string type;
    std::string name;      // the new object's name before it is attached
    std::string expected;  // its name after attaching
};

TEST_F(NamingTest, CollidingNamesGetTheLowestFreeNumberAfterTheirStem) {
    const NamingCase cases[] = {
        {{}, "Text", "", "Text1"},
        {{"Text1"}, "Text", "", "Text2"},
        {{"TEXT1", "text2"}, "Text", "", "Text3"},
        {{"Foo12"}, "Text", "Foo12", "Foo1"},
        {{"Foo12", "Foo1"}, "Text", "Foo12", "Foo2"},
        {{"123"}, "Block", "123", "Block1"},
        {{"123", "Block1"}, "Block", "123", "Block2"},
        {{"logo"}, "Image", "Logo", "Logo1"},
        {{"logo"}, "Image", "  logo ", "logo1"},
        {{"logo"}, "Image", " hero ", "hero"},
        {{}, "Page", "Page1", "Page2"},
    };
    for (const NamingCase& test : cases) {
        SCOPED_TRACE(test.name + " as " + test.type);
        MakeSite();
        for (const std::string& name : test.existing) Attach(Page(), "Text", name);
        CTsObject* object = new CTsObject(Page(), test.type);
        object->SetName(test.name);
        Page()->AppendChild(object);
        EXPECT_EQ(object->GetName(), test.expected);
        EXPECT_EQ(object->properties.FindOwn("name")->value.text, test.expected);
        delete site;
        site = nullptr;
    }
}

TEST_F(NamingTest, EmptyNameFromInstantiationBecomesTypeAndNumber) {
    nameDefault = "";
    MakeSite();
    CTsObject* first = Attach(Page(), "Text");
    CTsObject* second = Attach(Page(), "Text");
    EXPECT_EQ(first->GetName(), "Text1");
    EXPECT_EQ(second->GetName(), "Text2");
}

TEST_F(NamingTest, NewPagesAreNumberedOnFromTheFirst) {
    MakeSite();
    site->CreatePage();
    ASSERT_EQ(site->children.size(), 2u);
    EXPECT_EQ(Page(0)->GetName(), "Page1");
    EXPECT_EQ(Page(1)->GetName(), "Page2");
}

// A detached container with one child named like an object already on the page.
CTsObject* ContainerWithChild(CTsObject* page, const std::string& containerName) {
    CTsObject* container = new CTsObject(page, "Container");
    container->SetName(containerName);
    CTsObject* child = new CTsObject(container, "Text");
    child->SetName("Item");
    container->children.push_back(child);
    return container;
}

TEST_F(NamingTest, ChildrenAreRenamedOnlyWhenTheirContainerCollides) {
    MakeSite();
    Attach(Page(), "Container", "Box");
    Attach(Page(), "Text", "Item");

    CTsObject* unique = ContainerWithChild(Page(), "Crate");
    unique->DetectNameCoincide(true);
    EXPECT_EQ(unique->GetName(), "Crate");
    EXPECT_EQ(unique->children[0]->GetName(), "Item");
    unique->Release();

    CTsObject* colliding = ContainerWithChild(Page(), "box");
    colliding->DetectNameCoincide(true);
    EXPECT_EQ(colliding->GetName(), "box1");
    EXPECT_EQ(colliding->children[0]->GetName(), "Item1");
    colliding->Release();
}

TEST_F(NamingTest, AppendingRenamesCollisionsThroughTheWholeSubtree) {
    MakeSite();
    CTsObject* original = Attach(Page(), "Container", "Box");
    Attach(original, "Text", "Item");
    CTsObject* copy = original->Clone();
    Page()->AppendChild(copy);
    EXPECT_EQ(copy->GetName(), "Box1");
    EXPECT_EQ(copy->children[0]->GetName(), "Item1");
}

TEST_F(NamingTest, ObjectWithoutRootIsNamedButReported) {
    CTsObject* orphan = new CTsObject(nullptr, "Text");
    EXPECT_EQ(orphan->GetName(), "Text1");
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0], "DetectNameCoincide called with an object without root object");
    orphan->Release();
    EXPECT_EQ(prompt.messages.back(), "only site object can link two object");
}

TEST_F(NamingTest, ObjectWithoutNamePropertyStillGetsAName) {
    SetInstantiateHook([](CTsObject&, const std::string&) {});
    MakeSite();
    CTsObject* first = Attach(Page(), "Text");
    CTsObject* second = Attach(Page(), "Text");
    EXPECT_EQ(first->GetName(), "Text1");
    EXPECT_EQ(second->GetName(), "Text2");
}

TEST_F(NamingTest, LookupsCompareNamesWithoutCaseAndBlanks) {
    MakeSite();
    CTsObject* box = Attach(Page(), "Container", "Box");
    CTsObject* item = Attach(box, "Text", "Item");
    EXPECT_EQ(site->FindObjectByName(" item "), item);
    EXPECT_EQ(site->FindObjectByName("PAGE1"), Page());
    EXPECT_EQ(box->FindObjectByName("box"), nullptr);  // itself excluded
    EXPECT_TRUE(box->ContainsName("BOX"));
    EXPECT_FALSE(item->ContainsName("Box"));
    EXPECT_TRUE(SameName(" Logo", "logo "));
    EXPECT_FALSE(SameName("logo", "logo1"));
}

}  // namespace
