#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/generation/ExportCommands.h"
#include "core/generation/ExportSite.h"
#include "core/library/ConfigLoader.h"
#include "core/services/Paths.h"
#include "core/services/TextFile.h"
#include "tests/core/document/ScratchDirectory.h"
#include "tests/support/RecordingPrompt.h"
#include "tests/support/SiteBuilder.h"

namespace fs = std::filesystem;

namespace {

void WriteFile(const std::string& path, const std::string& text) {
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

std::string ReadFile(const std::string& path) {
    std::string text;
    ReadTextFile(path, text);
    return text;
}

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

class ExportSiteTest : public ::testing::Test {
protected:
    void SetUp() override { UseConfigLoader(&loader); }
    void TearDown() override { UseConfigLoader(nullptr); }
    std::string Out(const std::string& name = "") const { return PathJoin(scratch.Join("out"), name); }

    CConfigLoader loader;  // no widgets needed
    CScratchDirectory scratch;
    CRecordingPrompt prompt;
    TestSite site{"index"};
};

}  // namespace

TEST_F(ExportSiteTest, PagesAreWrittenWithCrLfAndFileAddressesRewritten) {
    const std::string pictures = scratch.Join("pics");
    WriteFile(pictures + "/a b.png", "first");
    WriteFile(pictures + "/other/a b.png", "second");
    WriteFile(pictures + "/quoted.png", "q");
    WriteFile(pictures + "/single.png", "s");
    WriteFile(Out("files/own.png"), "own");
    CTsObject& about = AddObject(*site.site, "Page", "about", "");
    CTsObject& box = AddObject(*site.page, "Container", "Box1");
    SetText(box, "background-image", FileUrlFromPath(pictures + "/a b.png"), "File");
    SetText(box, "innerHTML",
            "<img src=\"" + FileUrlFromPath(pictures + "/quoted.png") + "\" />\n"
            "<img src='" + FileUrlFromPath(pictures + "/single.png") + "' />\n"
            "<img src=\"" + FileUrlFromPath(Out("files/own.png")) + "\" />\n");
    SetText(about, "innerHTML", "<div style=\"background: url(" + FileUrlFromPath(pictures + "/other/a b.png") + ")\"></div>");

    ASSERT_TRUE(ExportSite(*site.site, Out(), ""));
    EXPECT_TRUE(prompt.messages.empty());
    const std::string index = ReadFile(Out("index.htm"));
    const std::string aboutPage = ReadFile(Out("about.htm"));
    ASSERT_FALSE(index.empty());
    ASSERT_FALSE(aboutPage.empty());
    // Every line end is CR LF.
    for (size_t at = index.find('\n'); at != std::string::npos; at = index.find('\n', at + 1)) ASSERT_EQ(index[at - 1], '\r');
    EXPECT_TRUE(Contains(index, "background-image: url(files/a%20b.png);"));
    EXPECT_TRUE(Contains(index, "<img src=\"files/quoted.png\" />"));
    EXPECT_TRUE(Contains(index, "<img src='" + FileUrlFromPath(pictures + "/single.png") + "' />"));  // single quotes stay
    EXPECT_FALSE(fs::exists(Out("files/single.png")));
    EXPECT_TRUE(Contains(index, "<img src=\"files/own.png\" />"));
    EXPECT_TRUE(Contains(aboutPage, "url(files/_a%20b.png)"));
    EXPECT_EQ(ReadFile(Out("files/a b.png")), "first");
    EXPECT_EQ(ReadFile(Out("files/_a b.png")), "second");
    EXPECT_EQ(ReadFile(Out("files/quoted.png")), "q");
    EXPECT_FALSE(fs::exists(Out("files/_own.png")));  // already there: not copied again
}

TEST_F(ExportSiteTest, LibraryFilesKeepTheirRelativePlace) {
    CTsObject& box = AddObject(*site.page, "_Widget", "W1");
    box.externalFiles = "bootstrap/css/bootstrap-responsive.css;";
    box.externalCSS = "bootstrap/css/bootstrap.css";
    ASSERT_TRUE(ExportSite(*site.site, Out(), ""));
    EXPECT_TRUE(Contains(ReadFile(Out("index.htm")), "<link rel=\"stylesheet\" href=\"bootstrap/css/bootstrap.css\""));
    EXPECT_EQ(ReadFile(Out("bootstrap/css/bootstrap-responsive.css")),
              ReadFile(ProgramDirectory() + "bootstrap/css/bootstrap-responsive.css"));
    EXPECT_TRUE(fs::exists(Out("bootstrap/css/bootstrap.css")));
}

TEST_F(ExportSiteTest, TheSiteFilesFolderIsCopied) {
    const std::string siteFolder = scratch.Join("site");
    WriteFile(siteFolder + "/files/logo.png", "logo");
    ASSERT_TRUE(ExportSite(*site.site, Out(), siteFolder));
    EXPECT_EQ(ReadFile(Out("files/logo.png")), "logo");
}

TEST_F(ExportSiteTest, RefusesAPageNameThatLeavesTheDirectory) {
    AddObject(*site.site, "Page", "../../escaped", "");
    EXPECT_FALSE(ExportSite(*site.site, Out(), ""));
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_TRUE(Contains(prompt.messages[0], "\"../../escaped\""));
    EXPECT_FALSE(fs::exists(Out("index.htm")));  // nothing written at all
    EXPECT_FALSE(fs::exists(scratch.Join("escaped.htm")));
}

TEST_F(ExportSiteTest, FailuresAreReported) {
    CTsObject& page = *site.page;
    EXPECT_FALSE(ExportSite(page, Out(), ""));
    EXPECT_EQ(prompt.messages.back(), "Must export from site object.");

    WriteFile(scratch.Join("blocker"), "a file where the directory should be");
    EXPECT_FALSE(ExportSite(*site.site, scratch.Join("blocker"), ""));
    EXPECT_EQ(prompt.messages.back(), "Can't write to file " + scratch.Join("blocker/index.htm") + ".");

    SetText(*site.site, "export-directory", "");
    EXPECT_FALSE(ExportToDirectory(*site.site, scratch.Join("blocker"), ""));
    EXPECT_EQ(prompt.messages.back(), "Export failed.");
    EXPECT_EQ(site.site->OwnValue("export-directory"), scratch.Join("blocker"));
}

TEST_F(ExportSiteTest, DirectoriesOfTheCommands) {
    SetText(*site.site, "name", " Shop ");
    SetText(*site.site, "export-directory", "");
    EXPECT_EQ(ExportDirectoryOf(*site.site), PathJoin(DocumentsDirectory(), "Shop"));
    EXPECT_TRUE(StoreExportDirectory(*site.site, "/srv/www"));
    EXPECT_FALSE(StoreExportDirectory(*site.site, "/SRV/www"));
    EXPECT_EQ(ExportDirectoryOf(*site.site), "/srv/www");
    EXPECT_EQ(fs::path(PreviewDirectory()).filename(), "Quillora");

    EXPECT_TRUE(CreateExportDirectory(scratch.Join("a/b")));
    EXPECT_TRUE(CreateExportDirectory(scratch.Join("a/b")));  // already there: no failure
    WriteFile(scratch.Join("file"), "x");
    EXPECT_FALSE(CreateExportDirectory(scratch.Join("file/sub")));
    EXPECT_EQ(prompt.messages.back().rfind("SHCreateDirectoryEx returns ", 0), 0u);

    // Preview starts from an empty scratch folder every time.
    WriteFile(PathJoin(PreviewDirectory(), "stale.htm"), "old");
    std::string page;
    ASSERT_TRUE(PreviewSite(*site.site, "", "index", page));
    EXPECT_EQ(page, PathJoin(PreviewDirectory(), "index.htm"));
    EXPECT_TRUE(fs::exists(page));
    EXPECT_FALSE(fs::exists(PathJoin(PreviewDirectory(), "stale.htm")));
}
