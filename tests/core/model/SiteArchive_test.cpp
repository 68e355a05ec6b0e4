#include "core/model/SiteArchive.h"

#include <gtest/gtest.h>

#include <string>

#include "core/model/TsObject.h"
#include "tests/core/document/SiteFixture.h"

namespace {

class SiteArchiveTest : public CSiteFixture {
protected:
    std::string Store(CTsObject& site) {
        CJsonArchive archive;
        SerializeSite(site, archive);
        return archive.StyledText();
    }
    // Reads a text into a fresh site owned by the test.
    CTsObject& Load(const std::string& text) {
        loaded_ = std::make_unique<CTsObject>();
        CJsonArchive archive(text);
        EXPECT_TRUE(archive.parsed);
        SerializeSite(*loaded_, archive);
        return *loaded_;
    }
    static CTsObject* Child(CTsObject& parent, const std::string& type) {
        auto* child = new CTsObject(&parent, type);
        parent.AppendChild(child);
        return child;
    }
    static void Replace(std::string& text, const std::string& from, const std::string& to) {
        const size_t at = text.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        text.replace(at, from.size(), to);
    }
    std::unique_ptr<CTsObject> loaded_;
};

// Pre-order "type:name" of a tree.
std::string Outline(const CTsObject& object) {
    std::string text = object.type + ":" + object.GetName();
    if (object.children.empty()) return text;
    text += "(";
    for (size_t i = 0; i < object.children.size(); ++i) text += (i ? " " : "") + Outline(*object.children[i]);
    return text + ")";
}

TEST_F(SiteArchiveTest, ARoundTripKeepsTreeValuesViewportListsAndGroupsButNotTheBoxProperties) {
    siteViewports = kTwoViewports;
    CTsObject site;
    CTsObject* index = site.children[static_cast<size_t>(site.CreatePage())];
    index->SetProperty("name", PropertyVariant("index"));
    CTsObject* about = site.children[static_cast<size_t>(site.CreatePage())];
    CTsObject* container = Child(*index, "Container");
    CTsObject* button = Child(*container, "_Button");
    CTsObject* footer = Child(*index, "_Basic_Label");
    footer->SetProperty("name", PropertyVariant("Footer"));
    CTsObject* copy = Child(*about, "_Basic_Label");
    LinkShared(site.sharedGroups, footer, copy);

    SetBase(*button, "color", "#ff0000");
    SetBase(*button, "z-index", "7");
    SetBase(*button, "margin", "9px");
    SetBase(*button, "Padding", "9px");
    SetBase(*button, "border-width", "9px");
    SetBase(*button, "innerHTML", "<b>\xC3\xA9t\xC3\xA9</b> \"quoted\"");
    site.properties.ViewportLists()[1].FindOwn("left")->SetValue(PropertyVariant("12px"));
    button->properties.ViewportLists()[0].FindOwn("color")->SetValue(PropertyVariant("#00ff00"));
    about->properties.ViewportLists()[1].FindOwn("page-width")->SetValue(PropertyVariant("700px"));

    const std::string text = Store(site);
    CTsObject& read = Load(text);

    EXPECT_EQ(Outline(read), Outline(site));
    EXPECT_TRUE(prompt.messages.empty()) << prompt.messages.front();
    CTsObject* readButton = read.FindObjectByName("Button1");
    ASSERT_NE(readButton, nullptr);
    EXPECT_EQ(Base(*readButton, "color"), "#ff0000");
    EXPECT_EQ(readButton->properties.FindOwn("z-index")->value.integer, 7);
    EXPECT_EQ(Base(*readButton, "innerHTML"), Base(*button, "innerHTML"));
    EXPECT_EQ(Base(*readButton, "margin"), "4px");
    EXPECT_EQ(Base(*readButton, "Padding"), "2px");
    EXPECT_EQ(Base(*readButton, "border-width"), "1px");
    EXPECT_EQ(InViewport(*readButton, 0, "color"), "#00ff00");
    EXPECT_EQ(InViewport(read, 1, "left"), "12px");
    EXPECT_EQ(InViewport(*read.children[1], 1, "page-width"), "700px");
    EXPECT_EQ(InViewport(*read.children[0], 1, "page-width"), "760px");
    EXPECT_EQ(readButton->root, &read);
    EXPECT_EQ(readButton->parent, read.FindObjectByName("Container1"));

    ASSERT_EQ(read.sharedGroups.size(), 1u);
    ASSERT_EQ(read.sharedGroups[0].size(), 2u);
    EXPECT_EQ(read.sharedGroups[0][0], read.FindObjectByName("Footer"));
    EXPECT_EQ(read.sharedGroups[0][1], read.FindObjectByName("Label1"));
    // Writing what was read gives the same text.
    EXPECT_EQ(Store(read), text);
}

TEST_F(SiteArchiveTest, WritesTheLayoutOfTheSiteFile) {
    CTsObject site;
    CTsObject* page = site.children[static_cast<size_t>(site.CreatePage())];
    Child(*page, "Block");
    const std::string text = Store(site);
    EXPECT_EQ(text.rfind("{\n   \"object\" : {\n      \"children\" : [\n", 0), 0u) << text;
    EXPECT_NE(text.find("\n   \"version\" : 1\n}\n"), std::string::npos);
    EXPECT_NE(text.find("\"sharedobject\" : null"), std::string::npos);
    EXPECT_NE(text.find("\"children\" : null"), std::string::npos);
    EXPECT_NE(text.find("\"viewportpropertylist\" : null"), std::string::npos);
    EXPECT_NE(text.find("\"property\" : {\n"), std::string::npos);
    EXPECT_NE(text.find("\"value\" : {\n"), std::string::npos);
    for (const char* absent : {"\"margin\"", "\"Padding\"", "\"border-width\""})
        EXPECT_EQ(text.find(absent), std::string::npos) << absent;
}

TEST_F(SiteArchiveTest, TheVersionNumberIsIgnored) {
    CTsObject site;
    site.CreatePage();
    std::string text = Store(site);
    const std::string outline = Outline(Load(text));
    Replace(text, "\"version\" : 1", "\"version\" : 7");
    EXPECT_EQ(Outline(Load(text)), outline);
    Replace(text, "\"version\" : 7", "\"version\" : \"seven\"");
    EXPECT_EQ(Outline(Load(text)), outline);
}

TEST_F(SiteArchiveTest, ReportsExtraPropertiesUnknownWidgetsAndListCountsAndReadsOn) {
    siteViewports = kTwoViewports;
    CTsObject site;
    CTsObject* page = site.children[static_cast<size_t>(site.CreatePage())];
    CTsObject* gone = Child(*page, "_Gone_Widget");
    Add(*gone, "color", "String", "#123456", "Color", true);  // the old definition had it
    gone->properties.ViewportLists()[1].SetOwn("color", *gone->properties.FindOwn("color"));
    const std::string text = Store(site);

    siteViewports = "";  // the viewports are gone from the site definition
    CTsObject& read = Load(text);
    // The site's own lists come from its definition, now without viewports; the
    // objects below it are built from the site's "viewport" text as read.
    const std::vector<std::string> expected = {
        "viewport list is different from saved file.",
        "_Gone_Widget is not a valid widget.",
        "property color in ts file, but not in config list",  // base value
        "property color in ts file, but not in config list",  // second viewport
    };
    EXPECT_EQ(prompt.messages, expected);
    ASSERT_EQ(read.children.size(), 1u);
    ASSERT_EQ(read.children[0]->children.size(), 1u);
    EXPECT_EQ(read.children[0]->children[0]->type, "_Gone_Widget");
    EXPECT_EQ(read.children[0]->children[0]->GetName(), gone->GetName());
}

TEST_F(SiteArchiveTest, AnExtraPropertyIsReportedOncePerListHoldingIt) {
    siteViewports = kTwoViewports;
    CTsObject site;
    CTsObject* page = site.children[static_cast<size_t>(site.CreatePage())];
    CTsObject* label = Child(*page, "_Basic_Label");
    Add(*label, "shadow", "String", "1px", "", true);
    for (CPropertyMap& list : label->properties.ViewportLists()) list.SetOwn("shadow", *label->properties.FindOwn("shadow"));
    const std::string text = Store(site);
    Load(text);
    EXPECT_EQ(prompt.messages, std::vector<std::string>(3, "property shadow in ts file, but not in config list"));
}

TEST_F(SiteArchiveTest, StoredValuesFollowTheCurrentTypeOfTheirPropertyAndOddShapesReadAsEmpty) {
    auto property = [](const std::string& name, const std::string& type, const std::string& value) {
        return "{\"property\":{\"name\":\"" + name + "\",\"type\":\"" + type + "\",\"value\":" + value + "}}";
    };
    const std::string block =
        "{\"object\":{\"type\":\"Block\",\"children\":{},\"propertylist\":[" +
        property("name", "String", "{\"int\":0,\"str\":\"Mine\"}") + "," +
        property("innerHTML", "Int", "{\"int\":42,\"str\":\"ignored\"}") + "," +
        property("z-index", "String", "{\"int\":5,\"str\":\"abc\"}") + "," +
        property("color", "Other", "{\"int\":5,\"str\":\"#fff\"}") + "," +
        property("left", "String", "[1,2]") + ", 17, null, [[[]]]]}}";
    const std::string text = "{\"version\":1,\"object\":{\"type\":\"Site\",\"sharedobject\":{\"a\":1},"
                             "\"children\":[{\"object\":{\"type\":\"Page\",\"children\":[" + block + "]}}, 5]}}";
    CTsObject& read = Load(text);
    ASSERT_EQ(read.children.size(), 2u);  // the stray 5 becomes an object of no type
    CTsObject* mine = read.FindObjectByName("Mine");
    ASSERT_NE(mine, nullptr);
    EXPECT_EQ(Base(*mine, "innerHTML"), "42");
    EXPECT_EQ(mine->properties.FindOwn("z-index")->value.integer, 0);
    EXPECT_EQ(Base(*mine, "color"), "");
    EXPECT_EQ(Base(*mine, "left"), "");
    EXPECT_TRUE(read.sharedGroups.empty());
}

TEST_F(SiteArchiveTest, AMemberKeptOnlyByTheHistoryIsWrittenAsNullAndDroppedOnReading) {
    CTsObject site;
    CTsObject* a = site.children[static_cast<size_t>(site.CreatePage())];
    CTsObject* b = site.children[static_cast<size_t>(site.CreatePage())];
    CTsObject* removed = Child(*a, "_Basic_Label");
    CTsObject* kept = Child(*b, "_Basic_Label");
    LinkShared(site.sharedGroups, removed, kept);
    a->RemoveChild(removed);  // the reference now belongs to "the history" of this test

    const std::string text = Store(site);
    EXPECT_NE(text.find("[ null, \"Label2\" ]"), std::string::npos) << text;
    EXPECT_TRUE(Load(text).sharedGroups.empty());
    removed->Release();
}

TEST_F(SiteArchiveTest, GroupNamesResolveToTheFirstObjectDepthFirstAndUnknownNamesAreSkipped) {
    CTsObject site;
    CTsObject* a = site.children[static_cast<size_t>(site.CreatePage())];
    CTsObject* b = site.children[static_cast<size_t>(site.CreatePage())];
    CTsObject* outer = Child(*a, "Container");
    CTsObject* deep = Child(*outer, "Block");
    CTsObject* later = Child(*a, "Block");
    CTsObject* other = Child(*b, "Block");
    LinkShared(site.sharedGroups, later, other);
    LinkShared(site.sharedGroups, outer, deep);
    std::string text = Store(site);
    const std::string laterName = later->GetName(), deepName = deep->GetName();
    // Give "later" the name of the deeper block: both now bear it, and a third name is unknown.
    Replace(text, "\"str\" : \"" + laterName + "\"", "\"str\" : \"" + deepName + "\"");
    Replace(text, "[ \"" + laterName + "\", ", "[ \"" + deepName + "\", \"Nobody\", ");
    CTsObject& read = Load(text);
    ASSERT_EQ(read.sharedGroups.size(), 2u);
    EXPECT_EQ(read.sharedGroups[0].size(), 2u);
    EXPECT_EQ(read.sharedGroups[0][0], read.children[0]->children[0]->children[0]);  // the deeper one
    EXPECT_EQ(read.children[0]->children[1]->GetName(), deepName);                   // names kept as read
}

}  // namespace
