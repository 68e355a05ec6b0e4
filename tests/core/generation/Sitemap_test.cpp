#include <gtest/gtest.h>

#include "core/generation/PageLists.h"
#include "core/generation/Sitemap.h"
#include "core/model/PageEvaluator.h"
#include "core/services/TextFile.h"
#include "tests/core/document/ScratchDirectory.h"
#include "tests/support/RecordingPrompt.h"
#include "tests/support/SiteBuilder.h"

TEST(Sitemap, WrittenFromTheSitesPagesWithCrLf) {
    CScratchDirectory scratch;
    CRecordingPrompt prompt;
    TestSite site("Index");
    AddObject(*site.site, "Page", "my page", "");
    const std::string path = scratch.Join("sitemap.xml");

    EXPECT_FALSE(WriteSitemap(*site.site, path));
    EXPECT_EQ(prompt.messages, std::vector<std::string>{"Please set domain name first."});

    SetText(*site.site, "domain", "http://a.example/");
    ASSERT_TRUE(WriteSitemap(*site.site, path));
    std::string text;
    ASSERT_TRUE(ReadTextFile(path, text));
    const SitemapDate today = LocalDate();
    char date[16];
    std::snprintf(date, sizeof date, "%d-%02d-%02d", today.year, today.month, today.day);
    EXPECT_EQ(text, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
                    "<urlset xmlns=\"http://www.sitemaps.org/schemas/sitemap/0.9\">\r\n"
                    "<url><loc>http://a.example/</loc><lastmod>" + std::string(date) + "</lastmod></url>\r\n"
                    "<url><loc>http://a.example/my%20page.htm</loc><lastmod>" + date + "</lastmod></url>\r\n"
                    "</urlset>");
}

TEST(PageLists, PageFileNamesAndAnchors) {
    TestSite site("index");
    AddObject(*site.site, "Page", "about", "");
    EXPECT_EQ(PageFileNames(*site.site), (std::vector<std::string>{"index.htm", "about.htm"}));

    class CAnchors : public IPageEvaluator {
    public:
        std::string Evaluate(const std::string& script) override {
            if (script == "document.anchors.length") return "2";
            if (script == "document.anchors[0].id") return "top";
            if (script == "document.anchors[1].id") return "news";
            return "";
        }
    } anchors;
    EXPECT_EQ(PageAnchors(&anchors), (std::vector<std::string>{"#top", "#news"}));
    EXPECT_TRUE(PageAnchors(nullptr).empty());
}
