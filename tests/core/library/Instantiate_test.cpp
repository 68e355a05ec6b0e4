#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/library/ConfigLoader.h"
#include "core/library/Instantiate.h"
#include "core/model/TsObject.h"
#include "tests/support/RecordingPrompt.h"
#include "tests/support/ScopedLibrary.h"

namespace {

const std::string kTree = std::string(QUILLORA_FIXTURES_DIR) + "/library/tree/";

// A site with one page, instantiated from the fixture library.
class InstantiateTest : public ::testing::Test {
protected:
    InstantiateTest() : library(kTree) {
        site = std::make_unique<CTsObject>();
        site->CreatePage();
        page = site->children[0];
    }

    // A new object of `type` attached to the page.
    CTsObject* Add(const std::string& type) {
        CTsObject* object = new CTsObject(page, type);
        page->AppendChild(object);
        return object;
    }

    const CPropertyDefinition& Definition(const CTsObject* object, const std::string& name) {
        static const CPropertyDefinition none;
        const CTsProperty* property = object->properties.FindOwn(name);
        return property ? property->Definition() : none;
    }

    CRecordingPrompt prompt;
    CScopedLibrary library;
    std::unique_ptr<CTsObject> site;
    CTsObject* page = nullptr;
};

TEST_F(InstantiateTest, WidgetGetsItsNameThenItsDefinition) {
    CTsObject* button = Add("_Button");
    EXPECT_EQ(button->GetName(), "Button1");
    EXPECT_EQ(button->OwnValue("caption"), "Press");
    EXPECT_EQ(button->OwnValue("position"), "absolute");  // through Base Container -> Block
    EXPECT_EQ(button->baseKind, "Block");
    const CPropertyDefinition& name = Definition(button, "name");
    EXPECT_EQ(name.groupName, "basic");
    EXPECT_EQ(name.type, "String");
    EXPECT_EQ(name.description, "name of the widget.");
    EXPECT_EQ(name.position, "0");
    EXPECT_EQ(name.displayName, "name");
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(InstantiateTest, ListedNameReplacesTheDefaultButKeepsPositionZero) {
    CTsObject* label = Add("_Basic_Label");
    EXPECT_EQ(label->GetName(), "Caption");
    const CPropertyDefinition& name = Definition(label, "name");
    EXPECT_EQ(name.position, "0");
    EXPECT_EQ(name.type, "String");
    EXPECT_EQ(name.description, "the label's name");
    EXPECT_EQ(name.displayName, "name");
}

TEST_F(InstantiateTest, BaseChainAppliesTheMostBasicDefinitionFirst) {
    CTsObject* text = Add("Text");
    EXPECT_EQ(text->baseKind, "Block");  // the last Base met
    // Block's properties, then Box's, then Text's.
    EXPECT_EQ(text->OwnValue("left"), "0px");
    EXPECT_EQ(text->OwnValue("border"), "1px");
    EXPECT_TRUE(text->HasProperty("content"));
    // Text lists width with a display name only: type, group, subtype, options and
    // description are inherited, the default value is lost, the position stays Block's.
    const CPropertyDefinition& width = Definition(text, "width");
    EXPECT_EQ(width.displayName, "box width");
    EXPECT_EQ(width.type, "String");
    EXPECT_EQ(width.groupName, "size");
    EXPECT_EQ(width.subtype, "Length");
    EXPECT_EQ(width.description, "width of the block");
    EXPECT_EQ(width.options, (std::vector<std::string>{"10%", "50%"}));
    EXPECT_EQ(width.position, "13");
    EXPECT_EQ(text->OwnValue("width"), "");
    // Box itself keeps the default it repeated.
    EXPECT_EQ(Add("Box")->OwnValue("width"), "50%");
}

TEST_F(InstantiateTest, FlagsComeFromTheOwnDefinitionOnly) {
    CTsObject* box = Add("Box");
    EXPECT_TRUE(box->canInlineEdit);  // "yes"
    EXPECT_TRUE(box->noDiv);          // "YES"
    CTsObject* text = Add("Text");
    EXPECT_FALSE(text->canInlineEdit);
    EXPECT_FALSE(text->noDiv);
    EXPECT_EQ(text->defaultEditProperty, "content");
    EXPECT_EQ(text->externalCSS, "widgets/Text/text.css;bootstrap/css/x.css");
    EXPECT_EQ(text->externalJS, "widgets/Text/text.js");
    EXPECT_EQ(text->externalFiles, "widgets/Text/bg.png");
    EXPECT_TRUE(Add("_Button")->canInlineEdit);  // "Yes"
    EXPECT_TRUE(box->defaultEditProperty.empty());
}

TEST_F(InstantiateTest, RootMemberWinsOverAWidgetOfTheSameTypeName) {
    CTsObject* nested = Add("_Nested");
    EXPECT_EQ(nested->OwnValue("fromRoot"), "root wins");
    EXPECT_FALSE(nested->HasProperty("position"));  // the widget's Base Container is not applied
}

TEST_F(InstantiateTest, UnknownAndCyclicBasesApplyNothingAndStop) {
    CTsObject* orphan = Add("Orphan");
    EXPECT_EQ(orphan->baseKind, "NoSuchBase");
    EXPECT_EQ(orphan->OwnValue("own"), "kept");
    CTsObject* loop = Add("LoopA");
    EXPECT_EQ(loop->OwnValue("a"), "A");
    EXPECT_EQ(loop->OwnValue("b"), "B");
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(InstantiateTest, DataFormatIsAMapOfItsOwnAndDoesNotChangeTheBaseKind) {
    CTsObject* menu = Add("Menu");
    EXPECT_EQ(menu->baseKind, "Block");
    const CTsProperty* data = menu->properties.FindOwn("data");
    ASSERT_NE(data, nullptr);
    const CPropertyMap& format = data->DataFormat();
    EXPECT_EQ(format.Own().size(), 3u);  // label, children (from Item) and link
    ASSERT_NE(format.FindOwn("link"), nullptr);
    EXPECT_EQ(format.FindOwn("link")->Subtype(), "Link");
    // Item's "children" names Item again: the repeated Base is skipped, so the
    // nested format is empty instead of endless.
    ASSERT_NE(format.FindOwn("children"), nullptr);
    EXPECT_TRUE(format.FindOwn("children")->DataFormat().Own().empty());
    // A refinement that gives no format inherits the one already there.
    CTsObject* subMenu = Add("SubMenu");
    const CTsProperty* subData = subMenu->properties.FindOwn("data");
    ASSERT_NE(subData, nullptr);
    EXPECT_EQ(subData->value.text, "[]");
    EXPECT_EQ(subData->DataFormat().Own().size(), 3u);
    EXPECT_NE(subData->DataFormat().FindOwn("link"), nullptr);
    EXPECT_EQ(subData->Subtype(), "DataTree");
}

TEST_F(InstantiateTest, OddDefinitionsNeverFail) {
    CTsObject* counter = Add("Counter");
    const CTsProperty* count = counter->properties.FindOwn("count");
    ASSERT_NE(count, nullptr);
    EXPECT_EQ(count->GetValue(), PropertyVariant(0));  // a text given to an "Int"
    EXPECT_EQ(counter->properties.FindOwn("offset")->GetValue(), PropertyVariant(-7));
    EXPECT_EQ(counter->properties.FindOwn("kind")->GetValue(), PropertyVariant(std::string()));
    // Elements without a name (an empty object, a plain text) give a property with an empty key.
    EXPECT_NE(counter->properties.FindOwn(""), nullptr);
    // Properties that are not an array give nothing.
    CTsObject* flat = Add("Flat");
    EXPECT_EQ(flat->properties.Own().size(), 1u);
    // Numbers where texts belong are read as texts.
    CTsObject* numbered = Add("Numbered");
    EXPECT_EQ(numbered->baseKind, "5");
    EXPECT_EQ(numbered->OwnValue("7"), "12");
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(InstantiateTest, ShortNameMustKeyTheWidgetFile) {
    CTsObject* box = Add("_My_Box");  // directory My_Box, file keyed Box
    EXPECT_EQ(box->GetName(), "Box1");
    EXPECT_EQ(box->OwnValue("caption"), "boxed");
    EXPECT_TRUE(prompt.messages.empty());

    CTsObject* mismatch = Add("_Mismatch");
    EXPECT_EQ(prompt.messages, std::vector<std::string>{
                                   "widget config file has different name as widget directory.\n"
                                   "please change them to the same."});
    EXPECT_EQ(mismatch->GetName(), "Mismatch1");
    EXPECT_EQ(mismatch->properties.Own().size(), 1u);
    EXPECT_TRUE(mismatch->baseKind.empty());
}

TEST_F(InstantiateTest, UnknownTypeIsReportedEveryTime) {
    CTsObject* first = Add("_Gadget");
    CTsObject* second = Add("_Gadget");
    EXPECT_EQ(prompt.messages,
              (std::vector<std::string>{"_Gadget is not a valid widget.", "_Gadget is not a valid widget."}));
    EXPECT_EQ(first->GetName(), "Gadget1");
    EXPECT_EQ(second->GetName(), "Gadget2");
    EXPECT_EQ(second->properties.Own().size(), 1u);
}

TEST_F(InstantiateTest, ObjectsOfOneTypeShareDefinitionsButNotValues) {
    CTsObject* a = Add("Text");
    CTsObject* b = Add("Text");
    EXPECT_EQ(a->properties.FindOwn("border")->SharedDefinition(),
              b->properties.FindOwn("border")->SharedDefinition());
    a->properties.At("border").SetValue(std::string("3px"));
    EXPECT_EQ(b->OwnValue("border"), "1px");
    EXPECT_EQ(b->GetName(), "Text2");
    EXPECT_EQ(a->GetName(), "Text1");
}

TEST(InstantiateWithoutLibrary, ObjectsGetTheirNameOnlyAndNoMessage) {
    CRecordingPrompt prompt;
    InstallInstantiation();
    CTsObject site;
    EXPECT_EQ(site.GetName(), "Site1");
    EXPECT_EQ(site.properties.Own().size(), 1u);
    EXPECT_TRUE(prompt.messages.empty());
}

TEST(InstantiateBrokenLibrary, MalformedRootLeavesBuiltInKindsWithTheirNameOnly) {
    CRecordingPrompt prompt;
    CScopedLibrary library(std::string(QUILLORA_FIXTURES_DIR) + "/library/broken/");
    prompt.messages.clear();
    CTsObject site;
    EXPECT_EQ(site.GetName(), "Site1");
    CTsObject* fine = new CTsObject(&site, "_Fine");
    site.AppendChild(fine);
    EXPECT_EQ(fine->OwnValue("caption"), "ok");
    CTsObject* broken = new CTsObject(&site, "_Broken");
    site.AppendChild(broken);
    EXPECT_EQ(broken->GetName(), "Broken1");
}

}  // namespace
