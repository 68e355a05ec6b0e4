#include "core/generation/FileCollection.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/services/Log.h"
#include "core/services/Paths.h"
#include "core/services/TextFile.h"
#include "tests/core/document/ScratchDirectory.h"
#include "tests/support/RecordingPrompt.h"

namespace fs = std::filesystem;

TEST(LocalPathFromFileUrl, DecodesTheAddressOfALocalFile) {
    EXPECT_EQ(LocalPathFromFileUrl("file:///home/me/a%20b%28c%29.png"), "/home/me/a b(c).png");
    EXPECT_EQ(LocalPathFromFileUrl("FILE://localhost/x.png"), "/x.png");
    EXPECT_EQ(LocalPathFromFileUrl("file:///C:/pics/a.png"), "C:/pics/a.png");
    EXPECT_EQ(LocalPathFromFileUrl("http://example/x.png"), "");
}

TEST(RegisterCopy, ChoosesTheDestinationAndTheReference) {
    const std::string export_ = "/out/site";
    const std::string program = ProgramDirectory();
    CopyList copies;
    struct Case { std::string url, reference, source, destination; };
    const Case cases[] = {
        {"file:///pics/a%20b.png", "files/a%20b.png", "/pics/a b.png", "/out/site/files/a b.png"},
        {"file:///other/a%20b.png", "files/_a%20b.png", "/other/a b.png", "/out/site/files/_a b.png"},
        {"file:///third/A%20B.png", "files/__A%20B.png", "/third/A B.png", "/out/site/files/__A B.png"},
        {FileUrlFromPath(program + "widgets/Slider/arrow (1).png"), "widgets/Slider/arrow%20%281%29.png",
         program + "widgets/Slider/arrow (1).png", "/out/site/widgets/Slider/arrow (1).png"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RegisterCopy(c.url, export_, copies), c.reference) << c.url;
        ASSERT_FALSE(copies.sources.empty());
        EXPECT_EQ(copies.sources.back(), c.source);
        EXPECT_EQ(copies.destinations.back(), c.destination);
    }
    // The same file again (in another case) is not listed twice and keeps its name.
    EXPECT_EQ(RegisterCopy("file:///OTHER/a%20b.png", export_, copies), "files/_a%20b.png");
    // A file already in the export's own files folder is only referred to.
    EXPECT_EQ(RegisterCopy("file:///out/site/files/x%20y.png", export_, copies), "files/x%20y.png");
    EXPECT_EQ(copies.sources.size(), 4u);
}

TEST(RewriteFileUrls, RewritesWrappedAndDoubleQuotedAddressesOnly) {
    CopyList copies;
    const std::string text =
        "<div style=\"background:url(file:///p/a.png)\"><img src=\"file:///p/b.png\">"
        "<img src='file:///p/c.png'><img src=\"file:///p/b.png\"></div>";
    EXPECT_EQ(RewriteFileUrls(text, "/out", copies),
              "<div style=\"background:url(files/a.png)\"><img src=\"files/b.png\">"
              "<img src='file:///p/c.png'><img src=\"files/b.png\"></div>");
    ASSERT_EQ(copies.sources.size(), 2u);
}

class CopyFilesTest : public ::testing::Test {
protected:
    void SetUp() override { OpenLogIn(scratch.Join("appdata"), ""); }
    void TearDown() override { CloseLog(); }
    std::string LogText() {
        CloseLog();
        std::string text;
        ReadTextFile(LogFilePath(scratch.Join("appdata")), text);
        return text;
    }
    CScratchDirectory scratch;
    CRecordingPrompt prompt;
};

TEST_F(CopyFilesTest, CopiesFilesAndWholeFoldersCreatingTheTargets) {
    MakeDirectories(scratch.Join("src/sub"));
    WriteTextFile(scratch.Join("src/a.txt"), "A");
    WriteTextFile(scratch.Join("src/sub/b.txt"), "B");
    CopyList copies{{scratch.Join("src/a.txt"), scratch.Join("src/sub")},
                    {scratch.Join("out/files/a.txt"), scratch.Join("out/deep/sub")}};
    EXPECT_TRUE(CopyFiles(copies));
    std::string text;
    EXPECT_TRUE(ReadTextFile(scratch.Join("out/files/a.txt"), text));
    EXPECT_EQ(text, "A");
    EXPECT_TRUE(ReadTextFile(scratch.Join("out/deep/sub/b.txt"), text));
    EXPECT_EQ(text, "B");
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(CopyFilesTest, RefusesADestinationOf260CharactersBeforeCopyingAnything) {
    WriteTextFile(scratch.Join("a.txt"), "A");
    const std::string longName = scratch.Join(std::string(260, 'x'));
    CopyList copies{{scratch.Join("a.txt"), scratch.Join("b.txt")}, {scratch.Join("copy.txt"), longName}};
    EXPECT_FALSE(CopyFiles(copies));
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0],
              "File name is too long, please make it short, you also need to re-assign the new name to the "
              "property or re-insert it to block.\n" + scratch.Join("b.txt"));
    EXPECT_FALSE(FileExists(scratch.Join("copy.txt")));
}

TEST_F(CopyFilesTest, AFailedCopyIsLoggedWithEveryPairAndReported) {
    CopyList copies{{scratch.Join("missing.png")}, {scratch.Join("out/files/missing.png")}};
    EXPECT_FALSE(CopyFiles(copies));
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0].rfind("Copy file failed, Return code = ", 0), 0u) << prompt.messages[0];
    const std::string log = LogText();
    EXPECT_NE(log.find("copy failed.\n"), std::string::npos);
    EXPECT_NE(log.find("from " + scratch.Join("missing.png") + " to " + scratch.Join("out/files/missing.png")),
              std::string::npos);
    EXPECT_NE(log.find("-----------------"), std::string::npos);
}
