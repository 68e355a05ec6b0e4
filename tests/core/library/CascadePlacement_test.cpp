#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/library/Instantiate.h"
#include "core/model/TsObject.h"
#include "tests/support/RecordingPrompt.h"
#include "tests/support/ScopedLibrary.h"

namespace {

const std::string kTree = std::string(QUILLORA_FIXTURES_DIR) + "/library/tree/";

class CascadeTest : public ::testing::Test {
protected:
    CascadeTest() : library(kTree) {
        site = std::make_unique<CTsObject>();
        site->CreatePage();
        page = site->children[0];
    }
    ~CascadeTest() override {
        for (CTsObject* copy : copies) copy->Release();
    }

    CTsObject* Add(const std::string& type, const std::string& left, const std::string& top,
                   CTsObject* parent = nullptr) {
        parent = parent ? parent : page;
        CTsObject* object = new CTsObject(parent, type);
        object->properties.At("left").SetValue(left);
        object->properties.At("top").SetValue(top);
        parent->AppendChild(object);
        return object;
    }

    // A detached copy, placed by cascade placement as Clone does.
    CTsObject* Copy(const CTsObject* source) {
        copies.push_back(source->Clone());
        return copies.back();
    }

    static std::string Where(const CTsObject* object) {
        return object->OwnValue("left") + "/" + object->OwnValue("top");
    }

    CRecordingPrompt prompt;
    CScopedLibrary library;
    std::unique_ptr<CTsObject> site;
    CTsObject* page = nullptr;
    std::vector<CTsObject*> copies;
};

TEST_F(CascadeTest, PixelCopyMovesUntilItSitsOnNothing) {
    CTsObject* source = Add("Block", "10px", "20px");
    EXPECT_EQ(Where(Copy(source)), "40px/50px");
    Add("Block", "40px", "50px");
    EXPECT_EQ(Where(Copy(source)), "70px/80px");
    EXPECT_EQ(Where(source), "10px/20px");
}

TEST_F(CascadeTest, PercentCopyMovesByOnePercent) {
    CTsObject* source = Add("Block", "10%", "5%");
    EXPECT_EQ(Where(Copy(source)), "11%/6%");
}

TEST_F(CascadeTest, PageWidthBlockMovesOnlyDown) {
    CTsObject* source = Add("PageWidthBlock", "0px", "100px");
    EXPECT_EQ(Where(Copy(source)), "0px/130px");
}

TEST_F(CascadeTest, StaticObjectsNeverMove) {
    for (const char* position : {"static", " STATIC ", ""}) {
        CTsObject* source = Add("Block", "10px", "20px");
        source->properties.At("position").SetValue(position);
        EXPECT_EQ(Where(Copy(source)), "10px/20px") << position;
    }
}

TEST_F(CascadeTest, TextsAreComparedExactly) {
    Add("Block", "10px", "20px");
    CTsObject* source = Add("Block", "0px", "0px");
    CTsObject* copy = source->Clone(false);
    copies.push_back(copy);
    copy->properties.At("left").SetValue("10");
    copy->properties.At("top").SetValue("20");
    CascadePlacement(*copy);
    EXPECT_EQ(Where(copy), "10/20");
    copy->properties.At("left").SetValue("10px");
    copy->properties.At("top").SetValue("20px");
    CascadePlacement(*copy);
    EXPECT_EQ(Where(copy), "40px/50px");
}

TEST_F(CascadeTest, ChildCopiesArePlacedAgainstTheSourceSite) {
    CTsObject* parent = Add("Block", "0px", "0px");
    Add("Block", "5px", "5px", parent);
    CTsObject* copy = Copy(parent);
    EXPECT_EQ(Where(copy), "30px/30px");
    ASSERT_EQ(copy->children.size(), 1u);
    EXPECT_EQ(Where(copy->children[0]), "35px/35px");
}

TEST_F(CascadeTest, IntPositionsMoveAndObjectsWithoutLeftStay) {
    CTsObject* stacked = Add("Stacked", "10", "20");
    EXPECT_EQ(Where(Copy(stacked)), "/");  // "Int" values have no text half
    EXPECT_EQ(Copy(stacked)->properties.FindOwn("top")->value.integer, 50);
    CTsObject* orphan = new CTsObject(page, "Orphan");
    page->AppendChild(orphan);
    EXPECT_FALSE(Copy(orphan)->HasProperty("left"));
}

TEST_F(CascadeTest, PositionThatCannotChangeEndsTheLoop) {
    CTsObject* source = Add("Block", "10px", "20px");
    CTsObject* copy = source->Clone(false);
    copies.push_back(copy);
    // A position of a type that stores nothing: every page and the site "sit" at
    // the same empty texts, and writing cannot change that.
    CPropertyDefinition untyped;
    untyped.name = "top";
    untyped.type = "Float";
    copy->properties.SetOwn("top", CTsProperty::FromDefinition(untyped));
    copy->properties.SetOwn("left", CTsProperty::FromDefinition(untyped));
    CascadePlacement(*copy);
    EXPECT_EQ(Where(copy), "/");
}

}  // namespace
