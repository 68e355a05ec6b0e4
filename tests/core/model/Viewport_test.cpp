#include <gtest/gtest.h>

#include "core/model/Viewport.h"
#include "tests/core/model/ModelFixture.h"

namespace {

struct Range {
    std::string name, minWidth, maxWidth, pageWidth, enable = "yes";
};

std::string ViewportText(const std::vector<Range>& ranges) {
    std::string text = "[";
    for (const Range& r : ranges) {
        if (text.size() > 1) text += ",";
        text += "{\"name\":\"" + r.name + "\",\"media-min-width\":\"" + r.minWidth +
                "\",\"media-max-width\":\"" + r.maxWidth + "\",\"page-width\":\"" + r.pageWidth +
                "\",\"enable\":\"" + r.enable + "\"}";
    }
    return text + "]";
}

const Range kTablet{"Tablet", "481px", "768px", "720px"};
const Range kPhone{"Phone", "0px", "480px", "320px"};
const Range kWatch{"Watch", "0px", "200px", "180px"};

TEST(ParseViewportsTest, ReadsRecordsAndToleratesBadText) {
    const VIEWPORTARRAY records = ParseViewports(
        "[{\"name\":\"Phone\",\"page-width\":\"320px\",\"enable\":\"YES\"},{\"name\":7},3]");
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].name, "Phone");
    EXPECT_EQ(records[0].pageWidth, "320px");
    EXPECT_EQ(records[0].mediaMaxWidth, "");
    EXPECT_TRUE(records[0].IsEnabled());
    EXPECT_EQ(records[1].name, "");  // not a text
    EXPECT_FALSE(records[1].IsEnabled());
    for (const char* bad : {"", "not json", "{\"name\":\"x\"}", "[{\"name\":", "null"}) {
        EXPECT_TRUE(ParseViewports(bad).empty()) << bad;
    }
}

class ViewportTest : public ModelFixture {
protected:
    // A site with the given viewports, one page and a widget on it.
    void Build(const std::vector<Range>& ranges) {
        siteViewports = ViewportText(ranges);
        MakeSite();
        widget = Attach(Page(), "Text", "W");
    }
    std::string ColorIn(CTsObject* object, int viewport) {
        CViewportScope scope(viewport);
        return object->OwnValue("color");
    }
    void SetColorIn(CTsObject* object, int viewport, const std::string& color) {
        CViewportScope scope(viewport);
        object->SetProperty("color", color);
    }
    std::string PageWidthIn(int viewport) {
        CViewportScope scope(viewport);
        return Page()->OwnValue("page-width");
    }
    CTsObject* widget = nullptr;
};

TEST_F(ViewportTest, ListsHoldTheMultiViewportPropertiesAndThePageWidth) {
    Build({kTablet, kPhone});
    const auto& lists = widget->properties.ViewportLists();
    ASSERT_EQ(lists.size(), 2u);
    EXPECT_TRUE(lists[0].HasOwn("color"));
    EXPECT_TRUE(lists[0].HasOwn("left"));
    EXPECT_FALSE(lists[0].HasOwn("top"));
    EXPECT_FALSE(lists[0].HasOwn("page-width"));
    EXPECT_EQ(PageWidthIn(0), "960px");
    EXPECT_EQ(PageWidthIn(1), "720px");
    EXPECT_EQ(PageWidthIn(2), "320px");
    EXPECT_EQ(site->properties.ViewportLists().size(), 2u);
}

TEST_F(ViewportTest, SiteWithoutViewportsNeverRedirects) {
    Build({});
    EXPECT_TRUE(widget->properties.ViewportLists().empty());
    SetColorIn(widget, 1, "red");
    EXPECT_EQ(ColorIn(widget, 0), "red");
}

TEST_F(ViewportTest, EditsWhileAViewportIsShownStayInIt) {
    Build({kTablet, kPhone});
    SetColorIn(widget, 0, "black");
    SetColorIn(widget, 2, "red");
    {
        CViewportScope scope(2);
        widget->SetProperty("top", "5px");  // single-valued
    }
    EXPECT_EQ(ColorIn(widget, 2), "red");
    EXPECT_EQ(ColorIn(widget, 1), "");  // taken from the base when the list was built
    EXPECT_EQ(ColorIn(widget, 0), "black");
    EXPECT_EQ(widget->OwnValue("top"), "5px");
}

TEST_F(ViewportTest, ChangesKeepListsWhoseViewportKeepsItsNameAndWidths) {
    Build({kTablet, kPhone});
    SetColorIn(widget, 0, "base");
    SetColorIn(widget, 1, "tablet");
    SetColorIn(widget, 2, "phone");
    CTsObject* box = Attach(Page(), "Container", "Box");
    CTsObject* inner = Attach(box, "Text", "Inner");
    SetColorIn(inner, 2, "inner phone");

    struct Step {
        const char* what;
        std::vector<Range> ranges;
        std::vector<std::string> widgetColors;  // viewports 1..n
        std::vector<std::string> pageWidths;
    } steps[] = {
        {"append", {kTablet, kPhone, kWatch}, {"tablet", "phone", "base"}, {"720px", "320px", "180px"}},
        {"swap", {kPhone, kTablet, kWatch}, {"phone", "tablet", "base"}, {"320px", "720px", "180px"}},
        {"page width only", {{"Phone", "0px", "480px", "300px"}, kTablet, kWatch},
         {"phone", "tablet", "base"}, {"320px", "720px", "180px"}},
        {"wider", {{"Phone", "0px", "500px", "300px"}, kTablet}, {"base", "tablet"}, {"300px", "720px"}},
        {"renamed", {{"Mobile", "0px", "500px", "300px"}, kTablet}, {"base", "tablet"}, {"300px", "720px"}},
        {"removed", {kTablet}, {"tablet"}, {"720px"}},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        if (std::string(step.what) == "wider") SetColorIn(widget, 1, "lost");
        site->SetProperty("viewport", ViewportText(step.ranges));
        ASSERT_EQ(widget->properties.ViewportLists().size(), step.ranges.size());
        ASSERT_EQ(inner->properties.ViewportLists().size(), step.ranges.size());
        for (size_t i = 0; i < step.ranges.size(); ++i) {
            EXPECT_EQ(ColorIn(widget, int(i) + 1), step.widgetColors[i]) << i;
            EXPECT_EQ(PageWidthIn(int(i) + 1), step.pageWidths[i]) << i;
        }
        EXPECT_EQ(site->properties.ViewportLists().size(), 2u);  // never rebuilt
    }
    EXPECT_EQ(ColorIn(inner, 1), "");
}

TEST_F(ViewportTest, NewPageTakesTheChangedPageWidth) {
    Build({kTablet, kPhone});
    site->SetProperty("viewport", ViewportText({kTablet, {"Phone", "0px", "480px", "300px"}}));
    EXPECT_EQ(PageWidthIn(2), "320px");
    site->CreatePage();
    CViewportScope scope(2);
    EXPECT_EQ(Page(1)->OwnValue("page-width"), "300px");
}

TEST_F(ViewportTest, ReconcileBuildsMissingListsFromTheBase) {
    CPropertyMap map;
    {
        CPropertyDefinition definition;
        definition.name = "color";
        definition.type = "String";
        definition.supportMultiViewport = "TRUE";
        definition.defaultValue = "base";
        map.SetOwn("color", CTsProperty::FromDefinition(definition));
    }
    // Two old records but only one stored list: the second viewport starts afresh.
    AddViewportList(map, map.ViewportLists(), false, ParseViewports(ViewportText({kTablet}))[0]);
    map.ViewportLists()[0].FindOwn("color")->value.text = "tablet";
    ReconcileViewportLists(map, ParseViewports(ViewportText({kTablet, kPhone})),
                           ParseViewports(ViewportText({kPhone, kTablet})), false);
    ASSERT_EQ(map.ViewportLists().size(), 2u);
    EXPECT_EQ(map.ViewportLists()[0].FindOwn("color")->value.text, "base");
    EXPECT_EQ(map.ViewportLists()[1].FindOwn("color")->value.text, "tablet");
}

}  // namespace
