#include <gtest/gtest.h>
#include <stdlib.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <set>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/LocalHttpServer.h"
#include "tests/support/RunProcess.h"

namespace {

namespace fs = std::filesystem;

// A fresh directory that stands in for the user's temporary directory.
class ScratchDirectory {
public:
    ScratchDirectory() {
        std::string pattern = (fs::temp_directory_path() / "countling-test-XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr) path_ = pattern;
    }
    ~ScratchDirectory() {
        std::error_code ignored;
        if (!path_.empty()) fs::remove_all(path_, ignored);
    }
    const fs::path& Path() const { return path_; }

    std::vector<fs::path> FilesStartingWith(const std::string& prefix) const {
        std::vector<fs::path> found;
        for (const auto& entry : fs::directory_iterator(path_))
            if (entry.path().filename().string().rfind(prefix, 0) == 0) found.push_back(entry.path());
        return found;
    }

private:
    fs::path path_;
};

std::string Quoted(const std::string& text) { return "'" + text + "'"; }

// Runs countling with the statistics address and temporary directory given (TMPDIR
// unset when there is none), proxies switched off so the loopback server is reached directly.
ProcessResult RunCountling(const std::string& statsUrl, const std::optional<std::string>& temporaryDirectory,
                           const std::vector<std::string>& arguments) {
    const std::string temporarySetting =
        temporaryDirectory ? "TMPDIR=" + Quoted(*temporaryDirectory) : std::string("-u TMPDIR");
    std::string command = "env " + temporarySetting + " NO_PROXY='*' no_proxy='*' COUNTLING_STATS_URL=" +
                          Quoted(statsUrl) + " " + ProgramPath("countling");
    for (const std::string& argument : arguments) command += " " + Quoted(argument);
    return RunProcess(command + " 2>&1");
}

std::string ReadWholeFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

const std::regex kEventRequest(R"(GET /count\?cat=install&act=([a-z]+)&label=1&v=1&rand=([0-9]+) HTTP/1\.[01])");

struct ActionCase {
    const char* name;
    std::vector<std::string> arguments;
    const char* expectedAction;
};

class CountlingAction : public testing::TestWithParam<ActionCase> {};

TEST_P(CountlingAction, SendsOneEventWithTheChosenAction) {
    const ActionCase& testCase = GetParam();
    LocalHttpServer server;
    ScratchDirectory temporary;
    ASSERT_NE(server.Port(), 0);

    const ProcessResult result = RunCountling(server.Url("/count"), temporary.Path().string(), testCase.arguments);

    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.output, "");
    const std::vector<std::string> requests = server.RequestLines();
    ASSERT_EQ(requests.size(), 1u);
    std::smatch fields;
    ASSERT_TRUE(std::regex_match(requests[0], fields, kEventRequest)) << requests[0];
    EXPECT_EQ(fields[1].str(), testCase.expectedAction);
}

INSTANTIATE_TEST_SUITE_P(
    Countling, CountlingAction,
    testing::Values(ActionCase{"NoArgument", {}, "install"},
                    ActionCase{"Install", {"install"}, "install"},
                    ActionCase{"UninstallInCapitals", {"UNINSTALL"}, "uninstall"},
                    ActionCase{"UninstallLowerCase", {"uninstall"}, "uninstall"},
                    ActionCase{"UninstallMixedCase", {"UnInstall"}, "uninstall"},
                    ActionCase{"OtherWord", {"remove"}, "install"},
                    ActionCase{"LongerWord", {"uninstaller"}, "install"},
                    ActionCase{"EmptyArgument", {""}, "install"},
                    ActionCase{"NonAsciiWord", {"d\xC3\xA9sinstaller"}, "install"},
                    ActionCase{"OnlyFirstArgumentCounts", {"install", "uninstall"}, "install"},
                    ActionCase{"LaterArgumentsIgnored", {"uninstall", "install"}, "uninstall"}),
    [](const testing::TestParamInfo<ActionCase>& info) { return std::string(info.param.name); });

TEST(Countling, LeavesTheAnswerInAQuilloraFileInTheTemporaryDirectory) {
    LocalHttpServer server;
    ScratchDirectory temporary;

    const ProcessResult result = RunCountling(server.Url("/count"), temporary.Path().string(), {"install"});

    EXPECT_EQ(result.exitCode, 0);
    const std::vector<fs::path> files = temporary.FilesStartingWith("Quillora");
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(ReadWholeFile(files[0]), LocalHttpServer::kBody);
}

std::set<fs::path> QuilloraFilesIn(const fs::path& directory) {
    std::set<fs::path> found;
    std::error_code ignored;
    for (const auto& entry : fs::directory_iterator(directory, ignored))
        if (entry.path().filename().string().rfind("Quillora", 0) == 0) found.insert(entry.path());
    return found;
}

TEST(Countling, WithoutTmpdirTheFileGoesToSlashTmp) {
    LocalHttpServer server;
    const std::set<fs::path> before = QuilloraFilesIn("/tmp");

    const ProcessResult result = RunCountling(server.Url("/count"), std::nullopt, {});

    EXPECT_EQ(result.exitCode, 0);
    int answers = 0;
    for (const fs::path& file : QuilloraFilesIn("/tmp")) {
        if (before.count(file) != 0 || ReadWholeFile(file) != LocalHttpServer::kBody) continue;
        ++answers;
        fs::remove(file);
    }
    EXPECT_EQ(answers, 1);
}

TEST(Countling, RandomFieldVariesBetweenRuns) {
    LocalHttpServer server;
    ScratchDirectory temporary;
    for (int run = 0; run < 3; ++run) RunCountling(server.Url("/count"), temporary.Path().string(), {});

    const std::vector<std::string> requests = server.RequestLines();
    ASSERT_EQ(requests.size(), 3u);
    std::vector<std::string> randoms;
    for (const std::string& line : requests) {
        std::smatch fields;
        ASSERT_TRUE(std::regex_match(line, fields, kEventRequest)) << line;
        randoms.push_back(fields[2].str());
    }
    EXPECT_FALSE(randoms[0] == randoms[1] && randoms[1] == randoms[2]);
}

TEST(Countling, ExitsZeroQuietlyWhenNothingListens) {
    ScratchDirectory temporary;
    const std::string url = "http://127.0.0.1:" + std::to_string(LocalHttpServer::ClosedPort()) + "/count";

    const auto started = std::chrono::steady_clock::now();
    const ProcessResult result = RunCountling(url, temporary.Path().string(), {"uninstall"});

    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.output, "");
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5));
}

TEST(Countling, UnusableTemporaryDirectoryStillSendsTheEvent) {
    LocalHttpServer server;
    ScratchDirectory temporary;
    const fs::path missing = temporary.Path() / "missing";

    const ProcessResult result = RunCountling(server.Url("/count"), missing.string(), {"uninstall"});

    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.output, "");
    ASSERT_EQ(server.RequestLines().size(), 1u);
    EXPECT_FALSE(fs::exists(missing));
    EXPECT_TRUE(temporary.FilesStartingWith("Quillora").empty());
}

// Only http and https addresses are fetched: a local file is not copied anywhere.
TEST(Countling, AddressThatIsNotHttpIsNotFetched) {
    ScratchDirectory temporary;
    const fs::path secret = temporary.Path() / "secret.txt";
    std::ofstream(secret) << "private";
    const fs::path inbox = temporary.Path() / "inbox";
    fs::create_directory(inbox);

    const ProcessResult result = RunCountling("file://" + secret.string(), inbox.string(), {});

    EXPECT_EQ(result.exitCode, 0);
    for (const fs::path& file : fs::directory_iterator(inbox)) EXPECT_EQ(ReadWholeFile(file), "") << file;
}

// Arguments that are not UTF-8 text cannot be read as words: nothing is sent.
TEST(Countling, ArgumentsThatAreNotTextExitWithTen) {
    const std::vector<std::vector<std::string>> unreadable = {
        {"\xFF"}, {"un\xC3"}, {"\xC0\xAF"}, {"\xED\xA0\x80"}, {"install", "\xF5\x80\x80\x80"}};
    for (const std::vector<std::string>& arguments : unreadable) {
        LocalHttpServer server;
        ScratchDirectory temporary;

        const ProcessResult result = RunCountling(server.Url("/count"), temporary.Path().string(), arguments);

        EXPECT_EQ(result.exitCode, 10);
        EXPECT_EQ(result.output, "Error: Unable to parse command line\n");
        EXPECT_TRUE(server.RequestLines().empty());
        EXPECT_TRUE(temporary.FilesStartingWith("Quillora").empty());
    }
}

}  // namespace
