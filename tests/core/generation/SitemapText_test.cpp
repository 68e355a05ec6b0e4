#include <gtest/gtest.h>

#include "core/generation/SitemapText.h"

TEST(SitemapText, JoinUrlAndPageAddresses) {
    EXPECT_EQ(JoinUrl("", "about.htm"), "");
    EXPECT_EQ(JoinUrl("http://a.b", "about.htm"), "http://a.b/about.htm");
    EXPECT_EQ(JoinUrl("http://a.b/", "about.htm"), "http://a.b/about.htm");
    EXPECT_EQ(SitemapPageAddress("http://a.b/", "index"), "http://a.b/");
    EXPECT_EQ(SitemapPageAddress("http://a.b", " Index "), "http://a.b/");
    EXPECT_EQ(SitemapPageAddress("http://a.b/x", "about"), "http://a.b/x/about.htm");
}

TEST(SitemapText, EscapeUrl) {
    EXPECT_EQ(EscapeUrl("http://a.b/my page.htm"), "http://a.b/my%20page.htm");
    EXPECT_EQ(EscapeUrl("a&b"), "a%26b");
    EXPECT_EQ(EscapeUrl("!'()*-./:_~aZ09"), "!'()*-./:_~aZ09");
    EXPECT_EQ(EscapeUrl("\xc3\xa9"), "%c3%a9");
    EXPECT_EQ(EscapeUrl(std::string(3000, ' ')).size(), 2046u);  // never beyond 2048, never half an escape
}

TEST(SitemapText, WholeDocument) {
    const std::string text = BuildSitemapText("http://a.b/", {"index", "about", "a&b c"}, SitemapDate{2024, 3, 7});
    EXPECT_EQ(text,
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
              "<urlset xmlns=\"http://www.sitemaps.org/schemas/sitemap/0.9\">\n"
              "<url><loc>http://a.b/</loc><lastmod>2024-03-07</lastmod></url>\n"
              "<url><loc>http://a.b/about.htm</loc><lastmod>2024-03-07</lastmod></url>\n"
              "<url><loc>http://a.b/a%26b%20c.htm</loc><lastmod>2024-03-07</lastmod></url>\n"
              "</urlset>");
}
