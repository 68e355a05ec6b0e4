#include <gtest/gtest.h>

#include "core/library/ConfigLoader.h"
#include "core/library/TemplateEvaluator.h"
#include "core/library/TemplateParser.h"
#include "core/library/WidgetTemplate.h"
#include "tests/support/SiteBuilder.h"

namespace {

// A widget template made of in-memory files.
class CTemplates {
public:
    CTemplates& Add(const std::string& fileName, const std::string& text) {
        TemplateParseResult result = ParseTemplateText(text, fileName);
        EXPECT_TRUE(result.ok) << result.messages;
        widget.templates[fileName] = TEMPLATEFILE{fileName, std::make_shared<const TemplateList>(std::move(result.nodes))};
        return *this;
    }
    std::string Run(const std::string& fileName, CTsObject& object, CTsObject* page, PageForm form = PageForm::Design) {
        widget.renderMode = form == PageForm::Export ? 1 : 0;
        TemplateContext context;
        context.object = &object;
        context.widget = &object;
        context.page = page;
        return Evaluate(*widget.Find(fileName)->nodes, 0, false, widget, context);
    }
    CWidgetTemplate widget;
};

const char* kRecords = R"([{"title":"a","size":"10"},{"title":"b","size":"9"},{"title":"c"}])";

}  // namespace

TEST(TemplateEvaluator, LoopIndicesFirstBlocksAndRecordFields) {
    TestSite site;
    CTsObject& list = AddObject(*site.page, "_List", "List1");
    SetText(list, "data", kRecords, "DataList");
    CTemplates templates;
    templates.Add("List.htm", "<ul>[[foreach data Item.htm]]</ul>")
        .Add("Item.htm", "<li>[#@]/[#%]/[#title]/[[first]]A[[else]]B[[/first]]</li>");
    EXPECT_EQ(templates.Run("List.htm", list, site.page),
              "<ul><li>0/1/a/A</li><li>1/2/b/B</li><li>2/3/c/B</li></ul>");
}

TEST(TemplateEvaluator, IfComparesAsTextWithoutCaseAndQuotes) {
    TestSite site;
    CTsObject& list = AddObject(*site.page, "_List", "List1");
    SetText(list, "data", kRecords, "DataList");
    CTemplates templates;
    templates.Add("List.htm", "[[foreach data Item.htm]]")
        .Add("Item.htm", "[[if size > 9]]big[[else]]small[[/if]],");
    // "10" sorts before "9", and a missing member compares as empty.
    EXPECT_EQ(templates.Run("List.htm", list, site.page), "small,small,small,");

    CTemplates quoted;
    SetText(list, "mode", "Dark");
    quoted.Add("W.htm", "[[if mode == \"dark\"]]D[[else]]L[[/if]][[if mode != x]]N[[/if]][[if mode < E]]<[[/if]]");
    EXPECT_EQ(quoted.Run("W.htm", list, site.page), "DN<");
}

TEST(TemplateEvaluator, PlaceholdersReplaceWhatAppliesAndKeepTheRest) {
    TestSite site;
    SetText(*site.site, "domain", "http://site.example");
    SetText(*site.page, "title", "");
    SetText(*site.site, "title", "Site title");
    CTsObject& button = AddObject(*site.page, "_Button", "Button1");
    SetText(button, "caption", "Go");
    SetText(button, "empty", "");
    SetText(button, "target", R"({"link":"about.htm","target":"_blank"})", "Link");
    CTemplates templates;
    templates.Add("Button.htm", "<a [#target]>[#caption][#empty]|[#missing]|[#!caption]|[#$title]|[#$nothing]|[#]</a>");
    EXPECT_EQ(templates.Run("Button.htm", button, site.page),
              "<a href=\"about.htm\"  target=\"_blank\">Go|[#missing]|Go|Site title|[#$nothing]|[#]</a>");
}

TEST(TemplateEvaluator, IfExistIsLinkToSelfAndLinkFieldsInRecords) {
    TestSite site("about");
    CTsObject& menu = AddObject(*site.page, "_Menu", "Menu1");
    auto format = LinkRecordFormat();
    format->SetOwn("kind", MakeProperty("kind", "plain"));
    SetDataList(menu, "data", format,
                R"([{"link":"{\"link\":\"index.htm\"}"},{"link":"{\"link\":\"About.htm\"}","kind":"x"}])");
    CTemplates templates;
    templates.Add("Menu.htm", "[[ifexist data]]+[[else]]-[[/ifexist]][[ifexist none]]+[[else]]-[[/ifexist]][[foreach data Item.htm]]")
        .Add("Item.htm", "<a [#link]>[[islinktoself link]]on[[else]]off[[/islinktoself]][[if kind==plain]]P[[/if]]</a>");
    // A missing record field compares with the format's default value.
    EXPECT_EQ(templates.Run("Menu.htm", menu, site.page),
              "+-<a href=\"index.htm\" >offP</a><a href=\"About.htm\" >on</a>");
}

TEST(TemplateEvaluator, NestedDataTreesLoopOverChildren) {
    TestSite site;
    CTsObject& tree = AddObject(*site.page, "_Tree", "Tree1");
    SetText(tree, "data", R"([{"t":"a","children":[{"t":"a1"},{"t":"a2"}]},{"t":"b"}])", "DataTree");
    CTemplates templates;
    templates.Add("Tree.htm", "[[foreach data Node.htm]]").Add("Node.htm", "([#t][[ifexist children]][[foreach children Node.htm]][[/ifexist]])");
    EXPECT_EQ(templates.Run("Tree.htm", tree, site.page), "(a(a1)(a2))(b)");
}

TEST(TemplateEvaluator, MissingLoopTemplateOrMalformedDataGiveNothing) {
    TestSite site;
    CTsObject& list = AddObject(*site.page, "_List", "List1");
    SetText(list, "data", "not json", "DataList");
    SetText(list, "other", kRecords, "DataList");
    CTemplates templates;
    templates.Add("List.htm", "[[foreach data Item.htm]][[foreach other Nope.htm]][[foreach absent Item.htm]]x").Add("Item.htm", "i");
    EXPECT_EQ(templates.Run("List.htm", list, site.page), "x");
}

TEST(TemplateEvaluator, SocketsInBothForms) {
    CConfigLoader loader;  // no widgets: the socketed block renders its inner HTML
    UseConfigLoader(&loader);
    TestSite site;
    CTsObject& holder = AddObject(*site.page, "_Holder", "Holder1");
    SetText(holder, "content", "Inner", "Socket");
    SetText(holder, "none", "", "Socket");
    CTsObject& inner = AddObject(*site.page, "Block", "Inner");
    SetText(inner, "innerHTML", "hello");
    CTemplates templates;
    templates.Add("Holder.htm", "[[socket content]]|[[socket content nodiv]]|[[socket none]]");
    const std::string placeholder =
        "<div style=\"border: 1px dotted #B7B7B7;height:100%;\">set none property to connect other object.</div>";
    EXPECT_EQ(templates.Run("Holder.htm", holder, site.page),
              "<div id=\"Inner\"  >\nhello</div>\n|hello|" + placeholder);
    EXPECT_EQ(templates.Run("Holder.htm", holder, site.page, PageForm::Export), "<div id=\"Inner\"  >\nhello</div>\n|hello|");
    UseConfigLoader(nullptr);
}
