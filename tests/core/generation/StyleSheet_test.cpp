#include <gtest/gtest.h>

#include "core/generation/StyleSheet.h"
#include "core/model/ModelHooks.h"
#include "core/model/Viewport.h"
#include "core/services/Paths.h"
#include "tests/support/SiteBuilder.h"

namespace {

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

}  // namespace

TEST(StyleSheet, DesignFormOfASmallPageInOrder) {
    TestSite site;
    SetText(*site.site, "page-width", "960px");
    SetText(*site.site, "side-background-color", "#eeeeee");
    SetText(*site.page, "main-opacity", "0.5");
    CTsObject& box = AddObject(*site.page, "Container", "Box1");
    SetText(box, "top", "10px");
    SetText(box, "position", "absolute");
    SetText(box, "left", "20px");
    SetText(box, "background-image", "img/a.png", "File");
    SetInt(box, "z-index", 0);
    SetText(box, "hover-link-color", "#ff0000");
    EXPECT_EQ(BuildStyleSheet(*site.page, PageForm::Design),
              "body { padding:0; margin:0; border: 0; background-color: #eeeeee;\n}\n"
              "p { margin: 0px; }\n"
              "#Page1 {\nposition: relative; width: 960px; margin: 0 auto;\nmin-width: ;\nheight: 8192px;\n"
              "opacity: 0.5;\nfilter:Alpha(opacity=50);\n}\n"
              "#Box1 {\ntop: 10px;\nposition: absolute;\nleft: 20px;\nbackground-image: url(img/a.png);\n}\n"
              "#Box1:hover {\n}\n"
              "#Box1 a {\n}\n"
              "#Box1 a:hover { color: #ff0000; }\n");
}

TEST(StyleSheet, ContainerDeclarations) {
    TestSite site;
    SetText(*site.site, "width", "500px");  // containers never take site values
    CTsObject& box = AddObject(*site.page, "_Widget", "W");
    struct Case {
        const char* key;
        const char* value;
        const char* expected;
    } cases[] = {
        {"width", "fullpagewidth", "width: 100%;\n"},
        {"width", "", ""},
        {"opacity", "0.333", "opacity: 0.333;\nfilter:Alpha(opacity=33);\n"},
        {"border-radius", "4px", "border-radius: 4px;\n-moz-border-radius: 4px;\n-webkit-border-radius: 4px;\n"},
        {"transform", "rotate(2deg)",
         "transform: rotate(2deg);\n-ms-transform: rotate(2deg);\n-moz-transform: rotate(2deg);\n"
         "-webkit-transform: rotate(2deg);\n-o-transform: rotate(2deg);\n"},
    };
    for (const Case& c : cases) {
        SetText(box, c.key, c.value);
        const std::string rules = BuildRules(box, PageForm::Export);
        EXPECT_EQ(rules.substr(0, rules.find("}\n")), std::string("#W {\n") + c.expected) << c.key << "=" << c.value;
        SetText(box, c.key, "");
    }
    SetText(box, "background-gradient", "top");
    SetText(box, "background-gradient-color1", "#000");
    SetText(box, "background-gradient-color2", "#fff");
    EXPECT_TRUE(Contains(BuildRules(box, PageForm::Export),
                         "background-image:-webkit-linear-gradient(top, #000, #fff);\n"
                         "background-image:-moz-linear-gradient(top, #000, #fff);\n"
                         "background-image:-o-linear-gradient(top, #000, #fff);\n"
                         "background-image:-ms-linear-gradient(top, #000, #fff);\n"
                         "background-image:linear-gradient(top, #000, #fff);\n"));
}

TEST(StyleSheet, ObjectsNeitherPageNorContainerHaveNoRulesOfTheirOwn) {
    TestSite site;
    CTsObject& plain = AddObject(*site.page, "_Plain", "Plain1", "");
    AddObject(plain, "Container", "Inside");
    const std::string rules = BuildStyleSheet(plain, PageForm::Design);
    EXPECT_FALSE(Contains(rules, "#Plain1"));
    EXPECT_TRUE(Contains(rules, "#Inside {"));
}

TEST(StyleSheet, InPlaceEditingPlacementInTheDesignForm) {
    TestSite site;
    CTsObject& text = AddObject(*site.page, "Container", "Text1");
    SetText(text, "top", "50px");
    text.editing = true;
    text.rect = TSRECT{24, 50, 224, 90};
    const std::string design = BuildRules(text, PageForm::Design);
    EXPECT_TRUE(Contains(design, "#Text1 {\nposition: fixed;\nleft: 24px;\ntop: 180px;\n")) << design;
    EXPECT_TRUE(Contains(design, "z-index: 9999;\n"));
    EXPECT_TRUE(Contains(BuildRules(text, PageForm::Export), "#Text1 {\ntop: 50px;\n"));

    SetText(text, "position", "Absolute");
    EXPECT_TRUE(Contains(BuildRules(text, PageForm::Design), "#Text1 {\ntop: 180px;\nposition: Absolute;\n"));

    SetText(text, "position", "");
    SetText(text, "top", "300px");
    text.rect.top = 300;
    EXPECT_TRUE(Contains(BuildRules(text, PageForm::Design), "#Text1 {\ntop: 300px;\n"));
}

TEST(StyleSheet, AutoShrink) {
    struct Case {
        const char* width;
        bool rule;
    } cases[] = {{"960px", true}, {"100%", false}, {"auto", false}, {"", false}};
    for (const Case& c : cases) {
        TestSite site("Home");
        SetText(*site.site, "auto-shrink", "YES");
        SetText(*site.page, "page-width", c.width);
        const std::string rule = std::string("@media (max-width: ") + c.width + ") { #Page1 {width: 100%;} }\n";
        EXPECT_EQ(Contains(BuildStyleSheet(*site.page, PageForm::Export), rule), c.rule) << c.width;
    }
}

TEST(StyleSheet, FontFacesFromTheSite) {
    TestSite site;
    SetText(*site.site, "external-font",
            R"([{"file":"thirdparty/f/a.ttf","name":"A"},{"file":"THIRDPARTY/f/a.ttf","name":"a"},{"file":"b.ttf","name":"B"},{"file":"c.ttf","name":"B"}])");
    const std::string rules = BuildStyleSheet(*site.page, PageForm::Design);
    EXPECT_TRUE(Contains(rules, "@font-face {font-family: A; src: url(" + FileUrlFromPath(ProgramDirectory()) +
                                    "thirdparty/f/a.ttf);}\n@font-face {font-family: B; src: url(b.ttf);}\nbody {"))
        << rules;
    EXPECT_FALSE(Contains(rules, "c.ttf"));  // the names ran out
}

TEST(StyleSheet, ExportWritesOneMediaBlockPerEnabledViewport) {
    TestSite site;
    SetText(*site.site, "viewport",
            R"([{"name":"A","media-min-width":"0px","media-max-width":"767px","page-width":"100%","enable":"Yes"},)"
            R"({"name":"B","media-min-width":"768px","media-max-width":"991px","page-width":"750px","enable":"no"}])");
    CTsObject& box = AddObject(*site.page, "Container", "Box1");
    SetText(box, "width", "300px");
    ASSERT_EQ(box.properties.ViewportLists().size(), 2u);
    box.properties.ViewportLists()[0].SetOwn("width", MakeProperty("width", "100px"));
    SetCurrentViewport(2);
    const std::string css = BuildStyleSheet(box, PageForm::Export);
    EXPECT_EQ(CurrentViewport(), 2);  // restored
    SetCurrentViewport(0);
    const std::string base = "#Box1 {\nwidth: 300px;\n}\n#Box1:hover {\n}\n#Box1 a {\n}\n";
    const std::string small = "#Box1 {\nwidth: 100px;\n}\n#Box1:hover {\n}\n#Box1 a {\n}\n";
    EXPECT_EQ(css, base + "@media (min-width: 0px) and (max-width: 767px) {\n" + small + "}\n");

    // An ancestor's block holds its descendants' base rules and their own blocks again.
    const std::string page = BuildStyleSheet(*site.page, PageForm::Export);
    size_t count = 0;
    for (size_t at = page.find("@media (min-width: 0px)"); at != std::string::npos; at = page.find("@media (min-width: 0px)", at + 1))
        ++count;
    EXPECT_EQ(count, 3u);
}

TEST(StyleSheet, ExternalFilesBecomeFileUrlsInTheDesignFormOnly) {
    TestSite site;
    CTsObject& slider = AddObject(*site.page, "_Slider", "Slider1");
    slider.externalFiles = "widgets/x/bg.png;";
    SetText(slider, "background-image", "url(widgets/x/bg.png)");
    const std::string url = FileUrlFromPath(ProgramDirectory()) + "widgets/x/bg.png";
    EXPECT_TRUE(Contains(BuildRules(slider, PageForm::Design), "background-image: url(" + url + ");"));
    EXPECT_TRUE(Contains(BuildRules(slider, PageForm::Export), "background-image: url(widgets/x/bg.png);"));
}

TEST(StyleSheet, SocketedObjectsTakeTheirOwnersHeight) {
    TestSite site;
    CTsObject& owner = AddObject(*site.page, "Container", "Owner");
    SetText(owner, "height", "120px");
    CTsObject& inner = AddObject(*site.page, "Container", "Inner");
    SetText(inner, "top", "5px");
    SetText(inner, "left", "5px");
    inner.socketed = true;
    inner.socketOwner = &owner;
    EXPECT_TRUE(Contains(BuildRules(inner, PageForm::Export), "#Inner {\nheight: 120px;\nwidth: 100%;\n}\n"));
}
