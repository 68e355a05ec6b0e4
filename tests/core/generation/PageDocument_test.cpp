#include <gtest/gtest.h>

#include "core/generation/PageRender.h"
#include "core/generation/StyleSheet.h"
#include "core/library/ConfigLoader.h"
#include "core/services/Paths.h"
#include "tests/support/SiteBuilder.h"

namespace {

const char* kEditorStyle =
    "<style type=\"text/css\">\t\t\t\t\t   .cke_button__submit_label {display: inline;}\t\t\t\t\t   "
    ".cke_button__submit_icon {display: none;}\t\t\t\t\t   .cke_button__cancel_label {display: inline;\t}"
    "\t\t\t\t\t   .cke_button__cancel_icon {display: none;}</style>\n";

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// Pages rendered with the widgets of the test library.
class PageDocument : public ::testing::Test {
protected:
    void SetUp() override {
        loader.LoadFrom(std::string(QUILLORA_FIXTURES_DIR) + "/sites/library/");
        UseConfigLoader(&loader);
        SetText(*site.site, "title", "Site title");
    }
    void TearDown() override {
        UseConfigLoader(nullptr);
        SetDocumentDirectoryAccessor(nullptr);
    }
    CTsObject& Heading(CTsObject& parent, const std::string& name) {
        CTsObject& heading = AddObject(parent, "_Basic_Heading", name);
        heading.externalCSS = "widgets/Basic/Heading/heading.css";
        heading.externalFiles = "widgets/Basic/Heading/bg.png";
        SetText(heading, "text", "Hello");
        SetText(heading, "link", "", "Link");
        return heading;
    }
    // Support files lie beside the program; widget files in the library loaded.
    std::string Library(const std::string& relative) { return FileUrlFromPath(ProgramDirectory()) + relative; }
    std::string Widgets(const std::string& relative) { return FileUrlFromPath(loader.Directory()) + relative; }

    CConfigLoader loader;
    TestSite site;
};

}  // namespace

TEST_F(PageDocument, DesignSkeletonByteForByte) {
    CTsObject& block = AddObject(*site.page, "Block", "Block1");
    SetText(block, "innerHTML", "<p>text</p>");
    SetText(block, "class", " lead ");
    Heading(*site.page, "Heading1");
    SetText(*site.page, "innerHTML", "<!--page-->");
    SetText(*site.site, "innerHTML", "<!--site-->");
    SetDocumentDirectoryAccessor([](std::string& directory) {
        directory = "/home/u/sites/";
        return true;
    });
    const std::string css = BuildStyleSheet(*site.page, PageForm::Design);
    const std::string expected =
        "<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Strict//EN\" \"http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd\">\n"
        "<html xmlns=\"http://www.w3.org/1999/xhtml\">\n"
        "<head>\n"
        "<base href=\"file:///home/u/sites/\" />\n"
        "<title>Site title</title>\n"
        "<meta http-equiv=\"content-type\" content=\"text/html; charset=utf-8\" />\n"
        "<meta name=\"generator\" content=\"www.quillora.com\" />\n"
        "<meta name=\"viewport\" content=\"\"/>\n"
        "<link rel=\"stylesheet\" href=\"" + Widgets("widgets/Basic/Heading/heading.css") + "\" type=\"text/css\" />\n"
        "<style type=\"text/css\">\n<!--\n" + css + "-->\n</style>\n"
        "</head>\n"
        "<body>\n"
        "<div id=\"shadow_objects\"></div>\n"
        "<div id=\"Page1\">\n" + kEditorStyle +
        "<div id=\"Block1\"  class=\"lead\">\n<p>text</p></div>\n"
        "<div id=\"Heading1\"  >\n<h1 style=\"background: url(" + Widgets("widgets/Basic/Heading/bg.png") +
        ")\"><a href=\"\" >Hello</a></h1></div>\n"
        "<!--page--><!--site-->"
        "</div>\n"
        "</body>\n</html>";
    EXPECT_EQ(RenderPage(*site.page, PageForm::Design), expected);
}

TEST_F(PageDocument, ExportFormDifferences) {
    Heading(*site.page, "Heading1");
    CTsObject& text = AddObject(*site.page, "Block", "Text1");
    SetText(text, "innerHTML", "edit me");
    AddObject(text, "Block", "Child");
    SetText(*site.site, "tracking-javascript", "<script>track()</script>\n");

    const std::string exported = RenderPage(*site.page, PageForm::Export);
    EXPECT_FALSE(Contains(exported, "shadow_objects"));
    EXPECT_FALSE(Contains(exported, "<base"));
    EXPECT_FALSE(Contains(exported, "cke_button"));
    EXPECT_FALSE(Contains(exported, "height: 8192px"));
    EXPECT_TRUE(Contains(exported, "url(widgets/Basic/Heading/bg.png)"));  // no external-files rewrite
    EXPECT_TRUE(Contains(exported,
                         "</div>\n<script>track()</script>\n<script type=\"text/javascript\">$(document).ready(function() {"
                         "\t$(\"#Page1\").height($(document).height());});</script>\n</body>\n</html>"));

    // While Text1 is edited in place: contenteditable, no children, the editor scripts.
    text.editing = true;
    const std::string design = RenderPage(*site.page, PageForm::Design);
    EXPECT_EQ(design.rfind("<!-- saved from url=(0014)about:internet -->\n<!DOCTYPE", 0), 0u);
    EXPECT_TRUE(Contains(design, "<script src=\"" + Library("ckeditor/ckeditor.js") + "\"></script>\n</head>\n"));
    EXPECT_TRUE(Contains(design, "<div id=\"Text1\" contenteditable=\"true\" >\nedit me</div>\n"
                                 "<script>CKEDITOR.disableAutoInline = true;var editor = CKEDITOR.inline( 'Text1' );"
                                 "\teditor.on('blur',function( e ){return false;});</script>\n"));
    EXPECT_FALSE(Contains(design, "id=\"Child\""));
    const std::string stillExported = RenderPage(*site.page, PageForm::Export);
    EXPECT_TRUE(Contains(stillExported, "<div id=\"Text1\"  >\nedit me<div id=\"Child\"  >\n</div>\n</div>\n"));
}

TEST_F(PageDocument, FullWidthObjectsStandOutsideThePageDiv) {
    CTsObject& band = AddObject(*site.page, "PageWidthBlock", "Band");
    SetText(band, "width", "fullpagewidth");
    SetText(band, "innerHTML", "band");
    CTsObject& inner = AddObject(band, "Block", "Deep");
    SetText(inner, "width", "FullPageWidth");  // nested deeper: never rendered
    AddObject(*site.page, "Block", "Normal");
    const std::string design = RenderPage(*site.page, PageForm::Design);
    EXPECT_TRUE(Contains(design, "<body>\n<div id=\"Band\"  >\nband</div>\n<div id=\"shadow_objects\"></div>\n"));
    EXPECT_FALSE(Contains(design, "id=\"Deep\""));
    const std::string exported = RenderPage(*site.page, PageForm::Export);
    EXPECT_TRUE(Contains(exported, "<body>\n<div id=\"Band\"  >\nband</div>\n<div id=\"Page1\">\n<div id=\"Normal\"  >\n</div>\n"));
}

TEST_F(PageDocument, NoDivAndSockets) {
    CTsObject& bare = AddObject(*site.page, "Block", "Bare");
    bare.noDiv = true;
    SetText(bare, "innerHTML", "bare text");
    AddObject(bare, "Block", "BareChild");
    CTsObject& holder = AddObject(*site.page, "_Basic_Holder", "Holder1");
    SetText(holder, "content", "Heading1", "Socket");
    Heading(*site.page, "Heading1");

    const std::string exported = RenderPage(*site.page, PageForm::Export);
    EXPECT_TRUE(Contains(exported, "<div id=\"Page1\">\nbare text<div id=\"BareChild\"  >\n</div>\n"));
    // The socketed heading appears inside the holder only, sized to it.
    EXPECT_TRUE(Contains(exported, "<div id=\"Holder1\"  >\n<div class=\"holder\"><div id=\"Heading1\"  >\n<h1"));
    EXPECT_EQ(exported.find("<div id=\"Heading1\""), exported.rfind("<div id=\"Heading1\""));
    EXPECT_TRUE(Contains(exported, "#Heading1 {\nwidth: 100%;\n}\n"));
    EXPECT_TRUE(site.page->children[2]->socketed);
    EXPECT_EQ(site.page->children[2]->socketOwner, &holder);

    // Unlinked again when the holder lets it go.
    SetText(holder, "content", "", "Socket");
    const std::string again = RenderPage(*site.page, PageForm::Export);
    EXPECT_FALSE(site.page->children[2]->socketed);
    EXPECT_TRUE(Contains(again, "<div class=\"holder\"></div></div>\n<div id=\"Heading1\""));
}

TEST_F(PageDocument, StyleSheetsAndScriptsAreListedOnceInOrder) {
    SetText(*site.site, "external-stylesheet", R"([{"file":"site.css","name":"s"},{"file":"Shared.css"}])");
    SetText(*site.page, "external-stylesheet", R"([{"file":"shared.css"},{"file":"page.css"}])");
    SetText(*site.site, "external-javascript", R"([{"file":"bootstrap/js/jquery-1.10.2.min.js"}])");
    Heading(*site.page, "H1");
    Heading(*site.page, "H2");
    CTsObject& menu = AddObject(*site.page, "_Basic_Menu", "Menu1");
    menu.externalJS = "bootstrap/js/bootstrap.min.js;;";
    const std::string document = RenderPage(*site.page, PageForm::Export);
    const std::string heading = Widgets("widgets/Basic/Heading/heading.css");
    EXPECT_TRUE(Contains(document,
                         "<link rel=\"stylesheet\" href=\"site.css\" type=\"text/css\" />\n"
                         "<link rel=\"stylesheet\" href=\"Shared.css\" type=\"text/css\" />\n"
                         "<link rel=\"stylesheet\" href=\"page.css\" type=\"text/css\" />\n"
                         "<link rel=\"stylesheet\" href=\"" + heading + "\" type=\"text/css\" />\n"
                         "<script type=\"text/javascript\" src=\"" + Library("bootstrap/js/jquery-1.10.2.min.js") + "\"></script>\n"
                         "<script type=\"text/javascript\" src=\"" + Library("bootstrap/js/bootstrap.min.js") + "\"></script>\n"
                         "<style type=\"text/css\">"));
}

TEST_F(PageDocument, HeadMetasFallBackToTheSiteExceptTheViewport) {
    SetText(*site.site, "viewport-width", "device-width");
    SetText(*site.page, "initial-scale", "1");
    SetText(*site.page, "user-scalable", "");
    SetText(*site.site, "description", "About us");
    SetText(*site.site, "inpage-stylesheet", "h2{}\n");
    SetText(*site.page, "inpage-javascript", "var x;");
    const std::string document = RenderPage(*site.page, PageForm::Export);
    EXPECT_TRUE(Contains(document, "<meta name=\"description\" content=\"About us\" />\n"
                                   "<meta name=\"generator\" content=\"www.quillora.com\" />\n"
                                   "<meta name=\"viewport\" content=\"initial-scale=1,\"/>\n"));
    EXPECT_TRUE(Contains(document, "h2{}\n-->\n</style>\n<script type=\"text/javascript\">var x;</script>\n</head>\n"));
}

TEST_F(PageDocument, MenuLinksMarkTheCurrentPage) {
    CTsObject& menu = AddObject(*site.page, "_Basic_Menu", "Menu1");
    SetDataList(menu, "data", LinkRecordFormat(),
                R"([{"title":"Home","link":"{\"link\":\"page1.htm\"}"},{"title":"About","link":"{\"link\":\"about.htm\"}"}])");
    EXPECT_TRUE(Contains(RenderPage(*site.page, PageForm::Export),
                         "<ul><li class=\"active\"><a href=\"page1.htm\" >Home</a></li><li><a href=\"about.htm\" >About</a></li></ul>"));
}

TEST_F(PageDocument, SocketsThatFormACycleEndInsteadOfRecursing) {
    CTsObject& outer = AddObject(*site.page, "_Basic_Holder", "Outer");
    CTsObject& first = AddObject(*site.page, "_Basic_Holder", "First");
    CTsObject& second = AddObject(*site.page, "_Basic_Holder", "Second");
    SetText(outer, "content", "First", "Socket");
    SetText(first, "content", "Second", "Socket");
    SetText(second, "content", "First", "Socket");
    const std::string exported = RenderPage(*site.page, PageForm::Export);
    EXPECT_TRUE(Contains(exported, "<div id=\"Outer\"  >\n<div class=\"holder\"><div id=\"First\"  >\n"
                                   "<div class=\"holder\"><div id=\"Second\"  >\n<div class=\"holder\"></div></div>\n"
                                   "</div></div>\n</div></div>\n"))
        << exported;
}
