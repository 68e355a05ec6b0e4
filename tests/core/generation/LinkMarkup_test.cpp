#include <gtest/gtest.h>

#include "core/generation/LinkMarkup.h"

TEST(LinkMarkup, AnchorAttributesFromLinkValues) {
    struct Case {
        const char* value;
        const char* subtype;
        const char* markup;
    } cases[] = {
        {R"({"link":"about.htm","target":"_blank"})", "Link", R"(href="about.htm"  target="_blank")"},
        {R"({"link":"about.htm","target":""})", "link", R"(href="about.htm" )"},
        {R"({"link":"#top"})", "LINK", R"(href="#top" )"},
        {R"({"link":"p.htm","target":"window.open('p.htm','w','width=300');return false;"})", "Link",
         R"(href="p.htm"  onclick="window.open('p.htm','w','width=300');return false;")"},
        {R"({"link":"emailto:a@b.c","target":"  frame1 "})", "Link", R"(href="emailto:a@b.c"  target="frame1")"},
        {"not json", "Link", R"(href="" )"},
        // Not a link property: inserted as it stands.
        {R"({"link":"about.htm","target":"_blank"})", "String", R"({"link":"about.htm","target":"_blank"})"},
    };
    for (const Case& c : cases) EXPECT_EQ(LinkMarkup(c.value, c.subtype), c.markup) << c.value;
}

TEST(LinkMarkup, TargetAttribute) {
    EXPECT_EQ(TargetAttribute(""), "");
    EXPECT_EQ(TargetAttribute("   "), "");
    EXPECT_EQ(TargetAttribute("_top"), " target=\"_top\"");
    EXPECT_EQ(TargetAttribute("WINDOW.OPEN(x)"), " onclick=\"WINDOW.OPEN(x)\"");
}
