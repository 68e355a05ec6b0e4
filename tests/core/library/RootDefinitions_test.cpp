// The root definitions installed beside the program declare every property that
// the program reads by name.
#include <gtest/gtest.h>

#include <json/json.h>

#include <memory>
#include <string>
#include <vector>

#include "core/library/DefinitionJson.h"
#include "core/model/TsObject.h"
#include "core/model/Viewport.h"
#include "tests/support/RecordingPrompt.h"
#include "tests/support/ScopedLibrary.h"

namespace {

std::vector<std::string> BackgroundKeys(const std::string& prefix) {
    std::vector<std::string> keys;
    for (const char* key : {"background-color", "background-image", "background-repeat", "background-position",
                            "background-attachment", "background-gradient", "background-gradient-color1",
                            "background-gradient-color2", "background-size", "background-origin"})
        keys.push_back(prefix + key);
    keys.push_back(prefix + "opacity");
    return keys;
}

std::vector<std::string> PageKeys() {
    std::vector<std::string> keys = {"name", "title", "robots", "keywords", "description", "page-width",
                                     "min-width", "auto-shrink", "external-stylesheet", "external-javascript",
                                     "inpage-stylesheet", "inpage-javascript", "tracking-javascript", "innerHTML"};
    for (const char* prefix : {"side-", "main-"})
        for (const std::string& key : BackgroundKeys(prefix)) keys.push_back(key);
    return keys;
}

std::vector<std::string> ContainerKeys() {
    std::vector<std::string> keys = {
        "name", "class", "innerHTML", "position", "left", "top", "width", "height", "z-index", "display",
        "min-width", "right", "bottom", "border-left-width", "border-right-width", "border-top-width",
        "border-bottom-width", "border-style", "border-color", "padding-left", "padding-top", "padding-right",
        "padding-bottom", "margin-left", "margin-top", "margin-right", "margin-bottom", "font-family", "font-size",
        "font-style", "font-variant", "font-weight", "color", "text-align", "text-decoration", "text-indent",
        "line-height", "letter-spacing", "overflow", "border-radius", "box-shadow", "text-shadow", "word-wrap",
        "transform", "hover-link-color", "hover-link-backgroundcolor", "visited-link-color", "active-link-color",
        "link-font-family", "link-font-size", "link-font-style", "link-font-variant", "link-font-weight",
        "link-text-decoration", "link-color"};
    for (const char* prefix : {"", "hover-"})
        for (const std::string& key : BackgroundKeys(prefix)) keys.push_back(key);
    return keys;
}

void ExpectKeys(const CTsObject& object, const std::vector<std::string>& keys) {
    for (const std::string& key : keys) {
        const CTsProperty* property = object.properties.FindOwn(key);
        EXPECT_NE(property, nullptr) << object.type << " lacks " << key;
        if (!property) continue;
        EXPECT_EQ(property->Name(), key);
        EXPECT_TRUE(property->Definition().IsString() || property->Definition().IsInt()) << key;
        EXPECT_FALSE(property->GroupName().empty()) << object.type << " " << key;
        EXPECT_FALSE(property->DisplayName().empty()) << key;
        EXPECT_FALSE(property->Description().empty()) << object.type << " " << key;
    }
}

class NewSite : public ::testing::Test {
protected:
    NewSite() {
        prompt = std::make_unique<CRecordingPrompt>();
        library = std::make_unique<CScopedLibrary>();
        site = std::make_unique<CTsObject>();
        site->CreatePage();
        page = site->children[0];
        for (const char* type : {"Block", "Container", "PageWidthBlock", "Navigation"}) {
            CTsObject* object = new CTsObject(page, type);
            page->AppendChild(object);
            blocks.push_back(object);
        }
    }

    std::unique_ptr<CRecordingPrompt> prompt;
    std::unique_ptr<CScopedLibrary> library;
    std::unique_ptr<CTsObject> site;
    CTsObject* page = nullptr;
    std::vector<CTsObject*> blocks;
};

TEST_F(NewSite, LoadsWithoutAnyMessage) {
    EXPECT_TRUE(prompt->messages.empty()) << prompt->messages.front();
    for (const char* kind : {"Site", "Page", "Container", "Block", "PageWidthBlock"})
        EXPECT_TRUE(library->loader.RootDefinitions().isMember(kind)) << kind;
}

TEST_F(NewSite, SiteAndPageCarryThePageKeys) {
    std::vector<std::string> siteKeys = PageKeys();
    for (const char* key : {"viewport", "external-font", "export-directory", "domain"}) siteKeys.push_back(key);
    ExpectKeys(*site, siteKeys);
    std::vector<std::string> pageKeys = PageKeys();
    for (const char* key : {"viewport-width", "viewport-height", "initial-scale", "maximum-scale",
                            "minimum-scale", "user-scalable"})
        pageKeys.push_back(key);
    ExpectKeys(*page, pageKeys);
}

TEST_F(NewSite, BlocksCarryTheContainerKeysAndLeadToContainer) {
    for (const CTsObject* block : blocks) {
        ExpectKeys(*block, ContainerKeys());
        EXPECT_TRUE(block->IsType("Container") || block->baseKind == "Container") << block->type;
    }
    EXPECT_EQ(blocks[2]->OwnValue("width"), "fullpagewidth");
    EXPECT_FALSE(blocks[0]->IsStatic());
}

TEST_F(NewSite, NavigationDataCarriesTheEditorDefaults) {
    const CTsProperty* data = blocks[3]->properties.FindOwn("data");
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->Subtype(), "DataTree");
    for (const char* field : {"name", "titlelink", "icon"})
        EXPECT_NE(data->DataFormat().FindOwn(field), nullptr) << field;
    EXPECT_EQ(data->DataFormat().FindOwn("titlelink")->Subtype(), "Link");
    EXPECT_EQ(data->DataFormat().FindOwn("icon")->Subtype(), "Icon");
}

TEST_F(NewSite, DefaultViewportIsAMobilePhoneAtFullPageWidth) {
    const VIEWPORTARRAY viewports = ParseViewports(site->OwnValue("viewport"));
    ASSERT_EQ(viewports.size(), 1u);
    EXPECT_EQ(viewports[0].name, "Mobile Phone");
    EXPECT_EQ(viewports[0].mediaMaxWidth, "480px");
    EXPECT_EQ(viewports[0].pageWidth, "100%");
    EXPECT_TRUE(viewports[0].IsEnabled());
    // Every object got one viewport list; the page's carries the viewport's page width.
    ASSERT_EQ(page->properties.ViewportLists().size(), 1u);
    const CTsProperty* width = page->properties.ViewportLists()[0].FindOwn("page-width");
    ASSERT_NE(width, nullptr);
    EXPECT_EQ(width->value.text, "100%");
    ASSERT_EQ(blocks[0]->properties.ViewportLists().size(), 1u);
    EXPECT_NE(blocks[0]->properties.ViewportLists()[0].FindOwn("left"), nullptr);
    // The viewport text is edited as a data list whose records have the five fields.
    const CTsProperty* viewport = site->properties.FindOwn("viewport");
    ASSERT_NE(viewport, nullptr);
    for (const char* field : {"name", "page-width", "media-min-width", "media-max-width", "enable"})
        EXPECT_NE(viewport->DataFormat().FindOwn(field), nullptr) << field;
}

TEST_F(NewSite, SiteLoadsJQueryAndGivesThePagesTheirFallbacks) {
    Json::Value scripts;
    std::string error;
    ASSERT_TRUE(ParseDefinitionText(site->OwnValue("external-javascript"), scripts, error));
    EXPECT_EQ(StringMember("file", Element(0, scripts)), "bootstrap/js/jquery-1.10.2.min.js");
    EXPECT_EQ(page->OwnValue("page-width"), "");
    EXPECT_EQ(page->ValueOrSite("page-width"), "960px");
    EXPECT_EQ(page->GetName(), "Page1");
    EXPECT_EQ(blocks[0]->GetName(), "Block1");
}

TEST_F(NewSite, GridPositionsSortAfterTheName) {
    // The grid sorts Position + "_" + Name as text: every position must sort
    // after "0_name" and give the same order as its number.
    for (const CTsObject* object : {site.get(), page, blocks[0]}) {
        for (const auto& [name, property] : object->properties.Own()) {
            if (name == "name") continue;
            const std::string& position = property.Position();
            EXPECT_EQ(position.size(), 3u) << object->type << " " << name;
            EXPECT_NE(position.front(), '0') << object->type << " " << name;
        }
    }
}

}  // namespace
