// The widget library installed beside the program: every widget loads, renders from
// a default instance in both forms, and its templates do what the catalogue promises.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "core/generation/PageRender.h"
#include "core/library/Instantiate.h"
#include "core/library/WidgetTree.h"
#include "core/model/TsObject.h"
#include "core/services/Paths.h"
#include "tests/support/RecordingPrompt.h"
#include "tests/support/ScopedLibrary.h"

namespace {

struct WidgetEntry {
    std::string typeName;
    std::string description;
    std::string screenshot;
};

void CollectWidgets(const CWidgetTree& node, std::vector<WidgetEntry>& out) {
    for (size_t i = 0; i < node.names.size(); ++i)
        out.push_back({TypeNameOf(node, i), node.descriptions[i], node.screenshots[i]});
    for (const CWidgetTree& child : node.children) CollectWidgets(child, out);
}

class WidgetLibrary : public ::testing::Test {
protected:
    WidgetLibrary() {
        InstallInstantiation();
        prompt = std::make_unique<CRecordingPrompt>();
        library = std::make_unique<CScopedLibrary>();
        CollectWidgets(library->loader.WidgetTree(), widgets);
        site = std::make_unique<CTsObject>();
        site->CreatePage();
        page = site->children[0];
        page->SetProperty("name", PropertyVariant(std::string("index")));
        page->SetProperty("title", PropertyVariant(std::string("Welcome")));
    }

    CTsObject* Add(const std::string& type, const std::string& name) {
        CTsObject* object = new CTsObject(page, type);
        page->AppendChild(object);
        object->SetProperty("name", PropertyVariant(name));
        return object;
    }

    std::unique_ptr<CRecordingPrompt> prompt;
    std::unique_ptr<CScopedLibrary> library;
    std::vector<WidgetEntry> widgets;
    std::unique_ptr<CTsObject> site;
    CTsObject* page = nullptr;
};

TEST_F(WidgetLibrary, LoadsWithoutAMessageAndFillsTheCatalogue) {
    EXPECT_TRUE(prompt->messages.empty()) << prompt->messages.front();
    EXPECT_GE(widgets.size(), 24u);
    EXPECT_GE(library->loader.WidgetTree().children.size(), 5u);
    const std::string fallback = FileUrlFromPath(PathJoin(QUILLORA_PROGRAM_DIR, kFallbackScreenshot));
    for (const WidgetEntry& widget : widgets) {
        EXPECT_FALSE(widget.description.empty()) << widget.typeName << " has no desc.txt";
        EXPECT_NE(widget.screenshot, fallback) << widget.typeName << " has no screenshot.jpg";
        EXPECT_NE(library->loader.FindWidgetTemplate(widget.typeName), nullptr) << widget.typeName;
    }
}

// A default instance of each widget renders in both forms without template tags or
// placeholders left over, and creating it says nothing.
TEST_F(WidgetLibrary, EveryWidgetRendersFromItsDefaults) {
    ASSERT_FALSE(widgets.empty());
    for (const WidgetEntry& widget : widgets) {
        SCOPED_TRACE(widget.typeName);
        const std::string shortName = widget.typeName.substr(widget.typeName.rfind('_') + 1);
        CTsObject* object = Add(widget.typeName, "My" + shortName);
        EXPECT_TRUE(object->baseKind == "Container") << "base kind " << object->baseKind;
        for (PageForm form : {PageForm::Design, PageForm::Export}) {
            const std::string document = RenderPage(*page, form);
            const size_t start = document.find("<div id=\"My" + shortName + "\"");
            ASSERT_NE(start, std::string::npos) << "the widget's element is missing";
            const std::string markup = document.substr(start);
            EXPECT_EQ(markup.find("[["), std::string::npos) << markup.substr(markup.find("[["), 80);
            EXPECT_EQ(markup.find("[#"), std::string::npos) << markup.substr(markup.find("[#"), 80);
            EXPECT_GT(markup.size(), 40u);
        }
        EXPECT_TRUE(prompt->messages.empty()) << prompt->messages.front();
        page->RemoveChild(object);
        object->Release();
    }
}

TEST_F(WidgetLibrary, InPlaceEditingAndDataEditingAreDeclared) {
    std::set<std::string> inline_;
    std::set<std::string> dataEdit;
    for (const WidgetEntry& widget : widgets) {
        CTsObject* object = Add(widget.typeName, "Probe");
        if (object->canInlineEdit) inline_.insert(widget.typeName);
        if (!object->defaultEditProperty.empty()) {
            dataEdit.insert(widget.typeName);
            EXPECT_NE(object->properties.FindOwn(object->defaultEditProperty), nullptr) << widget.typeName;
        }
        page->RemoveChild(object);
        object->Release();
    }
    EXPECT_TRUE(inline_.count("_Basic_Text") && inline_.count("_Basic_Heading"));
    EXPECT_TRUE(dataEdit.count("_Navigation_NavBar"));
}

TEST_F(WidgetLibrary, NavigationBarMarksTheCurrentPageAndOpensDropDowns) {
    CTsObject* nav = Add("_Navigation_NavBar", "Menu");
    nav->SetProperty("data", PropertyVariant(std::string(
        "[{\"name\":\"Home\",\"titlelink\":\"{\\\"link\\\":\\\"index.htm\\\",\\\"target\\\":\\\"\\\"}\"},"
        "{\"name\":\"More\",\"titlelink\":\"\",\"children\":[{\"name\":\"About\","
        "\"titlelink\":\"{\\\"link\\\":\\\"about.htm\\\",\\\"target\\\":\\\"_blank\\\"}\"}]}]")));
    const std::string document = RenderPage(*page, PageForm::Export);
    EXPECT_NE(document.find("<li class=\"active\"><a href=\"index.htm\"  aria-current=\"page\">Home</a></li>"),
              std::string::npos);
    EXPECT_NE(document.find("<li class=\"dropdown\">"), std::string::npos);
    EXPECT_NE(document.find("<li><a href=\"about.htm\"  target=\"_blank\">About</a></li>"), std::string::npos);
    EXPECT_NE(document.find("data-target=\"#Menu-menu\""), std::string::npos);
}

TEST_F(WidgetLibrary, TabsShowTheObjectsNamedInTheirPanes) {
    CTsObject* text = Add("_Basic_Text", "Opening");
    text->SetProperty("innerHTML", PropertyVariant(std::string("<p>Open from nine</p>")));
    CTsObject* tabs = Add("_Content_Tabs", "Tabs");
    tabs->SetProperty("data", PropertyVariant(std::string(
        "[{\"name\":\"Hours\",\"content\":\"Opening\",\"text\":\"\"},{\"name\":\"Else\",\"content\":\"\",\"text\":\"Nothing\"}]")));
    const std::string document = RenderPage(*page, PageForm::Export);
    const size_t pane = document.find("id=\"Tabs-pane0\"");
    const size_t shown = document.find("Open from nine");
    ASSERT_NE(pane, std::string::npos);
    ASSERT_NE(shown, std::string::npos);
    EXPECT_GT(shown, pane) << "the text is drawn inside the first pane";
    EXPECT_EQ(document.find("Open from nine", shown + 1), std::string::npos) << "and only there";
    EXPECT_NE(document.find("class=\"tab-pane active\" id=\"Tabs-pane0\""), std::string::npos);
    EXPECT_NE(document.find("<p>Nothing</p>"), std::string::npos);
}

TEST_F(WidgetLibrary, SliderMarksOnlyTheFirstSlideActive) {
    Add("_Media_Slider", "Show");
    const std::string document = RenderPage(*page, PageForm::Export);
    size_t count = 0;
    for (size_t at = document.find("class=\"item active\""); at != std::string::npos;
         at = document.find("class=\"item active\"", at + 1))
        ++count;
    EXPECT_EQ(count, 1u);
    EXPECT_NE(document.find("data-slide-to=\"2\""), std::string::npos);
    EXPECT_NE(document.find("aria-label=\"Slide 3\""), std::string::npos);
    // Library files are named relative to the program directory in the export form.
    EXPECT_NE(document.find("src=\"widgets/Media/Slider/slide1.jpg\""), std::string::npos);
}

}  // namespace
