#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/support/RunProcess.h"

namespace fs = std::filesystem;

namespace {

const std::string kFixtures = QUILLORA_FIXTURES_DIR;
const std::string kSite = kFixtures + "/sites/small/small.quillora";
const std::string kLibrary = " --library " + kFixtures + "/sites/library";

ProcessResult Cli(const std::string& arguments, bool withStderr = false) {
    return RunProcess(ProgramPath("quillora-cli") + " " + arguments + (withStderr ? " 2>&1" : " 2>/dev/null"));
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

class CliCommands : public ::testing::Test {
protected:
    void SetUp() override {
        directory = fs::temp_directory_path() / ("quillora-cli-" + std::to_string(getpid()) + "-" +
                                                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(directory);
        fs::create_directories(directory);
    }
    void TearDown() override { fs::remove_all(directory); }
    fs::path directory;
};

}  // namespace

TEST_F(CliCommands, RenderWritesOnePageDocumentToStandardOutput) {
    ProcessResult index = Cli("render " + kSite + kLibrary);
    ASSERT_EQ(index.exitCode, 0);
    EXPECT_EQ(index.output.rfind("<!DOCTYPE html", 0), 0u);
    EXPECT_TRUE(Contains(index.output, "<div id=\"index\">\n"));
    EXPECT_TRUE(Contains(index.output, "<a href=\"about.htm\"  target=\"_blank\">Welcome</a>"));
    EXPECT_TRUE(Contains(index.output, "<div class=\"holder\"><div id=\"Inside\"  >\nsocketed text</div>\n</div>"));
    EXPECT_TRUE(Contains(index.output, "@media (min-width: 0px) and (max-width: 480px) {\n"));
    EXPECT_FALSE(Contains(index.output, "shadow_objects"));

    ProcessResult about = Cli("render " + kSite + " --page ABOUT --design" + kLibrary);
    ASSERT_EQ(about.exitCode, 0);
    EXPECT_TRUE(Contains(about.output, "<title>About us</title>"));
    EXPECT_TRUE(Contains(about.output, "<base href=\"file://" + kFixtures + "/sites/small/\" />"));
    EXPECT_TRUE(Contains(about.output, "<body>\n<div id=\"PageWidthBlock1\"  >\n<h2>About</h2></div>\n<div id=\"shadow_objects\"></div>\n"));

    ProcessResult missing = Cli("render " + kSite + " --page nowhere" + kLibrary, true);
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(Contains(missing.output, "quillora-cli: the site has no page named \"nowhere\""));
}

TEST_F(CliCommands, ExportWritesPagesAndCollectsFiles) {
    const fs::path out = directory / "out";
    ProcessResult result = Cli("export " + kSite + " " + out.string() + kLibrary, true);
    ASSERT_EQ(result.exitCode, 0) << result.output;
    EXPECT_EQ(result.output, "");
    const std::string index = ReadFile(out / "index.htm");
    EXPECT_TRUE(Contains(index, "<img src=\"files/logo.png\" /> Hello</p></div>\r\n"));
    EXPECT_TRUE(Contains(index, "<link rel=\"stylesheet\" href=\"widgets/Basic/Heading/heading.css\" type=\"text/css\" />\r\n"));
    EXPECT_TRUE(Contains(index, "<script type=\"text/javascript\" src=\"bootstrap/js/bootstrap.min.js\"></script>\r\n"));
    EXPECT_FALSE(Contains(index, "file://"));
    EXPECT_TRUE(fs::exists(out / "about.htm"));
    EXPECT_EQ(ReadFile(out / "files/logo.png"), ReadFile(kFixtures + "/sites/small/files/logo.png"));
    EXPECT_TRUE(fs::exists(out / "widgets/Basic/Heading/bg.png"));       // the widget's ExternalFiles
    EXPECT_TRUE(fs::exists(out / "widgets/Basic/Heading/heading.css"));  // its ExternalCSS, through the page head
    EXPECT_TRUE(fs::exists(out / "bootstrap/js/bootstrap.min.js"));      // a support file beside the program

    // A directory that is not empty is refused unless --force is given.
    ProcessResult refused = Cli("export " + kSite + " " + out.string() + kLibrary, true);
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(Contains(refused.output, "is not empty; use --force"));
    EXPECT_EQ(Cli("export " + kSite + " " + out.string() + " --force" + kLibrary).exitCode, 0);
}

TEST_F(CliCommands, SitemapIsBuiltOnTheDomain) {
    const fs::path out = directory / "sitemap.xml";
    ASSERT_EQ(Cli("sitemap " + kSite + " " + out.string() + kLibrary).exitCode, 0);
    const std::string text = ReadFile(out);
    EXPECT_EQ(text.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n", 0), 0u);
    EXPECT_TRUE(Contains(text, "<url><loc>http://www.example.com/</loc><lastmod>"));
    EXPECT_TRUE(Contains(text, "<url><loc>http://www.example.com/about.htm</loc><lastmod>"));
    EXPECT_EQ(text.substr(text.size() - 9), "</urlset>");
}

TEST_F(CliCommands, WrongUsageAndMissingFilesFailWithAMessage) {
    struct Case {
        std::string arguments;
        int exitCode;
        std::string message;
    } cases[] = {
        {"export " + kSite, 2, "export needs SITE.quillora and OUTDIR"},
        {"render", 2, "render needs SITE.quillora"},
        {"render " + kSite + " --page", 2, "option --page needs a value"},
        {"render " + kSite + " --bogus", 2, "unknown option \"--bogus\""},
        {"render /no/such.quillora" + kLibrary, 1, "no site file at \"/no/such.quillora\""},
        {"render " + kSite + " --library /no/such/library", 1, "no widget library at \"/no/such/library\""},
        {"sitemap " + kFixtures + "/sites/small/files/logo.png /tmp/x.xml" + kLibrary, 1, "cannot read the site file"},
    };
    for (const Case& c : cases) {
        ProcessResult result = Cli(c.arguments, true);
        EXPECT_EQ(result.exitCode, c.exitCode) << c.arguments;
        EXPECT_TRUE(Contains(result.output, c.message)) << c.arguments << "\n" << result.output;
    }
    ProcessResult help = Cli("--help");
    EXPECT_EQ(help.exitCode, 0);
    for (const char* part : {"export SITE.quillora OUTDIR", "sitemap SITE.quillora OUT.xml", "render SITE.quillora",
                             "--library DIR", "--force", "--design"})
        EXPECT_TRUE(Contains(help.output, part)) << part;
}
