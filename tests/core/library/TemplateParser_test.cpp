#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "core/library/TemplateParser.h"

namespace {

TemplateParseResult Parse(const std::string& text) { return ParseTemplateText(text, "t.htm"); }

// The list as a compact outline: T"text", foreach{...}, if{then|else} ...
std::string Outline(const TemplateList& list) {
    std::string out;
    for (const CTemplateNode& node : list) {
        switch (node.kind) {
        case TemplateNodeKind::Text: out += "T\"" + node.text + "\""; break;
        case TemplateNodeKind::Foreach: out += "foreach(" + node.text + ")"; break;
        case TemplateNodeKind::Socket: out += "socket(" + node.text + ")"; break;
        default: {
            const char* names[] = {"", "", "", "if", "ifexist", "islinktoself", "first"};
            out += std::string(names[static_cast<int>(node.kind)]) + "{" + Outline(node.thenList);
            if (node.hasElse) out += "|" + Outline(node.elseList);
            out += "}";
        }
        }
    }
    return out;
}

}  // namespace

TEST(TemplateParser, AcceptedTemplates) {
    struct Case {
        const char* text;
        const char* outline;
    } cases[] = {
        {"<p>[#title]</p>", "T\"<p>[#title]</p>\""},
        {"[[if size>9]]big[[else]]small[[/if]]", "if{T\"big\"|T\"small\"}"},
        {"[[ifexist x]]a[[/ifexist]]", "ifexist{T\"a\"}"},
        {"[[islinktoself link]]on[[/islinktoself]]", "islinktoself{T\"on\"}"},
        {"[[first]]A[[else]]B[[/first]]", "first{T\"A\"|T\"B\"}"},
        {"<ul>[[foreach data item.htm]]</ul>", "T\"<ul>\"foreach([[foreach data item.htm]])T\"</ul>\""},
        {"[[socket content NoDiv]]", "socket([[socket content NoDiv]])"},
        // Nesting.
        {"[[if a==b]][[ifexist c]]x[[/ifexist]][[/if]]", "if{ifexist{T\"x\"}}"},
        // One line feed between two tags is dropped; a blank line is kept.
        {"[[if a==b]]\nx\n[[/if]]\n[[socket s]]", "if{T\"\nx\n\"}socket([[socket s]])"},
        {"[[socket a]]\n[[socket b]]", "socket([[socket a]])socket([[socket b]])"},
        {"[[socket a]]\n\n[[socket b]]", "socket([[socket a]])T\"\n\n\"socket([[socket b]])"},
        {"[[socket a]]\t[[socket b]]\n", "socket([[socket a]])socket([[socket b]])"},
        // CR LF counts as one line feed.
        {"[[socket a]]\r\n[[socket b]]", "socket([[socket a]])socket([[socket b]])"},
        // A capital "If" is no tag: the first "[" goes, the rest is text.
        {"[[If a==b]]x", "T\"[If a==b]]x\""},
        // "[[ifexist]]" is not an ifexist tag (no argument) but fits "[[if" ARG "]]".
        {"[[ifexist]]x[[/if]]", "if{T\"x\"}"},
        // A lone "[" at the end is dropped.
        {"abc[", "T\"abc\""},
    };
    for (const Case& c : cases) {
        TemplateParseResult result = Parse(c.text);
        EXPECT_TRUE(result.ok) << c.text << "\n" << result.messages;
        EXPECT_EQ(Outline(result.nodes), c.outline) << c.text;
    }
}

TEST(TemplateParser, SyntaxErrors) {
    const char* cases[] = {
        "",                                   // empty file
        "\n",                                 // only a dropped line feed
        "[[if a==b]][[/if]]",                 // empty block
        "[[if a==b]]\n[[/if]]",               // a block holding one dropped line feed
        "[[if a==b]]x",                       // never closed
        "x[[/if]]",                           // closing without opening
        "[[if a==b]]x[[/ifexist]]",           // wrong closing kind
        "[[if a==b]]x[[else]]y[[else]]z[[/if]]",  // two else
        "[[if a==b]][[else]]y[[/if]]",        // empty then-branch
        "[[first]]x[[else]][[/first]]",       // empty else-branch
        "x[[else]]y",                         // else outside a block
    };
    for (const char* text : cases) {
        TemplateParseResult result = Parse(text);
        EXPECT_FALSE(result.ok) << text;
        EXPECT_TRUE(result.nodes.empty());
        EXPECT_NE(result.messages.find("syntax error"), std::string::npos) << text;
    }
}

TEST(TemplateParser, MessagesCarryFileLineAndColumn) {
    TemplateParseResult result = ParseTemplateText("ab\ncd[[x\n[[/if]]", "widgets/A/A.htm");
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.messages, "widgets/A/A.htm:2.3: illegal token[\nwidgets/A/A.htm:3.1: syntax error\n");
}

TEST(TemplateParser, IllegalTokensAreReportedWithoutFailing) {
    TemplateParseResult result = Parse("a[[b]]c");
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(Outline(result.nodes), "T\"a[b]]c\"");
    EXPECT_EQ(result.messages, "t.htm:1.2: illegal token[\n");
}

TEST(TemplateParser, EachFileReportsOnlyItsOwnMessages) {
    TemplateParseResult first = ParseTemplateText("[[if a==b]]", "one.htm");
    TemplateParseResult second = ParseTemplateText("[[/if]]", "two.htm");
    EXPECT_FALSE(first.ok);
    EXPECT_FALSE(second.ok);
    EXPECT_EQ(second.messages.find("one.htm"), std::string::npos);
    EXPECT_EQ(second.messages, "two.htm:1.1: syntax error\n");
}

TEST(TemplateParser, DeepNestingRunsOutOfStackWithoutCrashing) {
    std::string text;
    for (int i = 0; i < 5000; ++i) text += "[[first]]";
    TemplateParseResult result = Parse(text);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.messages.find("memory exhausted"), std::string::npos);
}

TEST(TemplateParser, TagArgumentsAreSplitAtParseTime) {
    TemplateParseResult result = Parse("[[if size > \"9\"]]x[[/if]][[foreach data item.htm]][[socket s]][[if nothing]]y[[/if]]");
    ASSERT_TRUE(result.ok);
    ASSERT_EQ(result.nodes.size(), 4u);
    EXPECT_EQ(result.nodes[0].parts, (std::vector<std::string>{"if", "size", ">", "\"9\""}));
    EXPECT_EQ(result.nodes[1].parts, (std::vector<std::string>{"foreach", "data", "item.htm"}));
    EXPECT_EQ(result.nodes[2].parts, (std::vector<std::string>{"socket", "s", ""}));
    EXPECT_TRUE(result.nodes[3].parts.empty());  // an if without an operator renders nothing
}

TEST(TemplateParser, FilesAreReadFromDisk) {
    const std::string path = (std::filesystem::temp_directory_path() / "quillora_template_test.htm").string();
    { std::ofstream(path, std::ios::binary) << "[[first]]A\r\n[[/first]]"; }
    TemplateParseResult result = ParseTemplate(path);
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(Outline(result.nodes), "first{T\"A\n\"}");
    std::remove(path.c_str());

    TemplateParseResult missing = ParseTemplate(path);
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(missing.messages, path + ":cannot open\n");
}
