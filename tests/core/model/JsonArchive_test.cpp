#include "core/model/JsonArchive.h"

#include <gtest/gtest.h>

#include <string>

TEST(JsonArchiveStoring, WritesSortedMembersThreeSpaceIndentAndNullForEmptyContainers) {
    CJsonArchive archive;
    int version = 1;
    archive.IntMember("version", version);
    archive.Enter("object");
    std::string type = "Site";
    archive.TextMember("type", type);
    archive.Enter("children");
    archive.Leave();
    archive.Enter("sharedobject");
    archive.EnterIndex(0);
    std::string a = "Footer", b = "Footer1";
    archive.TextElement(0, a);
    archive.TextElement(1, b);
    archive.Leave();
    archive.Leave();
    archive.Leave();

    const std::string expected =
        "{\n"
        "   \"object\" : {\n"
        "      \"children\" : null,\n"
        "      \"sharedobject\" : [\n"
        "         [ \"Footer\", \"Footer1\" ]\n"
        "      ],\n"
        "      \"type\" : \"Site\"\n"
        "   },\n"
        "   \"version\" : 1\n"
        "}\n";
    EXPECT_EQ(archive.StyledText(), expected);
}

TEST(JsonArchiveStoring, ANullGapStaysWhereAnElementWasSkipped) {
    CJsonArchive archive;
    archive.Enter("group");
    std::string name = "Kept";
    archive.TextElement(1, name);
    archive.Leave();
    EXPECT_EQ(archive.StyledText(), "{\n   \"group\" : [ null, \"Kept\" ]\n}\n");
}

TEST(JsonArchiveLoading, RefusesTextsThatAreNotAJsonObject) {
    const std::string deep(100000, '[');
    const std::string cases[] = {"", "not json", "[1, 2]", "42", "\"text\"", "{\"a\": ", deep, deep + "]"};
    for (const std::string& text : cases) {
        CJsonArchive archive(text);
        EXPECT_TRUE(archive.IsLoading());
        EXPECT_FALSE(archive.parsed) << text.substr(0, 20);
        EXPECT_EQ(archive.Size(), 0);
    }
}

TEST(JsonArchiveLoading, AllowsCommentsAndStopsAtTheFirstZeroByte) {
    std::string text = "// a site\n{ \"version\" : 3 /* any */ }";
    text += std::string(1, '\0') + "garbage";
    CJsonArchive archive(text);
    ASSERT_TRUE(archive.parsed);
    int version = 0;
    archive.IntMember("version", version);
    EXPECT_EQ(version, 3);
}

TEST(JsonArchiveLoading, MembersOfTheWrongShapeReadAsEmpty) {
    CJsonArchive archive(
        "{ \"text\" : 5, \"number\" : \"12\", \"big\" : 1e20, \"half\" : 2.5, \"list\" : { \"a\" : 1 },"
        "  \"object\" : [ 1, 2 ], \"names\" : [ 7, null, \"x\" ] }");
    ASSERT_TRUE(archive.parsed);
    std::string text = "old";
    int number = 9, big = 9, half = 0;
    archive.TextMember("text", text);
    archive.IntMember("number", number);
    archive.IntMember("big", big);
    archive.IntMember("half", half);
    EXPECT_EQ(text, "");
    EXPECT_EQ(number, 0);
    EXPECT_EQ(big, 0);
    EXPECT_EQ(half, 2);

    archive.Enter("list");
    EXPECT_EQ(archive.Size(), 0);
    archive.Leave();

    archive.Enter("object");  // an array where an object is expected
    archive.Enter("type");
    EXPECT_EQ(archive.Size(), 0);
    archive.Leave();
    archive.TextMember("type", text);
    EXPECT_EQ(text, "");
    archive.Leave();

    archive.Enter("names");
    ASSERT_EQ(archive.Size(), 3);
    std::string names[3];
    for (int i = 0; i < 3; ++i) archive.TextElement(i, names[i]);
    EXPECT_EQ(names[0], "");
    EXPECT_EQ(names[1], "");
    EXPECT_EQ(names[2], "x");
    archive.EnterIndex(99);
    EXPECT_EQ(archive.Size(), 0);
    archive.Leave();
    archive.Leave();
    archive.Leave();  // one too many is harmless
    archive.IntMember("half", half);
    EXPECT_EQ(half, 2);
}
