// The demo sites beside the program, exported and rendered by quillora-cli: every
// page is written without a message, and the widget library and the site's own
// pictures travel with the export.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/RunProcess.h"

namespace fs = std::filesystem;

namespace {

std::vector<fs::path> DemoSiteFiles() {
    std::vector<fs::path> files;
    for (const auto& entry : fs::recursive_directory_iterator(ProgramPath("template")))
        if (entry.path().extension() == ".quillora" &&
            entry.path().stem() == entry.path().parent_path().filename())
            files.push_back(entry.path());
    return files;
}

TEST(DemoSiteExport, EveryDemoSiteExportsQuietlyWithItsFiles) {
    const std::vector<fs::path> sites = DemoSiteFiles();
    ASSERT_GE(sites.size(), 4u);
    const fs::path scratch = fs::temp_directory_path() / ("quillora-templates-" + std::to_string(getpid()));
    for (const fs::path& site : sites) {
        SCOPED_TRACE(site.string());
        const fs::path out = scratch / site.stem();
        fs::remove_all(out);
        const ProcessResult result =
            RunProcess("'" + ProgramPath("quillora-cli") + "' export '" + site.string() + "' '" + out.string() + "' 2>&1");
        EXPECT_EQ(result.exitCode, 0) << result.output;
        EXPECT_EQ(result.output, "") << "export said something";
        size_t pages = 0;
        for (const auto& entry : fs::directory_iterator(out))
            if (entry.path().extension() == ".htm") ++pages;
        EXPECT_GE(pages, 3u);
        EXPECT_TRUE(fs::exists(out / "index.htm"));
        EXPECT_TRUE(fs::exists(out / "bootstrap/js/jquery-1.10.2.min.js"));
        EXPECT_TRUE(fs::exists(out / "thirdparty/font-awesome/fonts/fontawesome-webfont.woff2"));
        EXPECT_TRUE(fs::is_directory(out / "widgets"));
        EXPECT_TRUE(fs::is_directory(out / "files")) << "the site's own pictures";
    }
    fs::remove_all(scratch);
}

TEST(DemoSiteExport, RenderWritesTheNamedPageWithoutTemplateLeftovers) {
    for (const fs::path& site : DemoSiteFiles()) {
        SCOPED_TRACE(site.string());
        const ProcessResult result =
            RunProcess("'" + ProgramPath("quillora-cli") + "' render '" + site.string() + "' --page index 2>/dev/null");
        EXPECT_EQ(result.exitCode, 0);
        EXPECT_NE(result.output.find("<div id=\"index\">"), std::string::npos);
        EXPECT_EQ(result.output.find("[["), std::string::npos);
        EXPECT_EQ(result.output.find("[#"), std::string::npos);
    }
}

}  // namespace
