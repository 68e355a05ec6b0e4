#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "core/services/Log.h"
#include "core/services/Paths.h"
#include "core/services/TextFile.h"

namespace fs = std::filesystem;

namespace {

class LogTest : public ::testing::Test {
protected:
    void SetUp() override {
        directory = fs::temp_directory_path() / ("quillora-log-" + std::to_string(getpid()) + "-" +
                                                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(directory);
        fs::create_directories(directory / "log");
    }
    void TearDown() override {
        CloseLog();
        std::error_code ignored;
        fs::permissions(directory, fs::perms::owner_all, ignored);
        fs::remove_all(directory, ignored);
    }
    std::string LogPath() const { return LogFilePath(directory.string()); }
    void WriteLines(int count, const std::string& line = "entry") {
        std::ofstream out(LogPath());
        for (int i = 1; i <= count; ++i) out << line << i << "\n";
    }
    std::string Contents() const {
        std::string text;
        ReadTextFile(LogPath(), text);
        return text;
    }
    fs::path directory;
};

int CountNewlines(const std::string& text) { return static_cast<int>(std::count(text.begin(), text.end(), '\n')); }

}  // namespace

TEST_F(LogTest, FiveThousandLinesAreKept) {
    WriteLines(5000);
    OpenLogIn(directory.string(), "");
    const std::string text = Contents();
    EXPECT_EQ(text.find("entry1\n"), 0u);
    EXPECT_EQ(CountNewlines(text), 5000 + 5);  // the run header adds five lines
}

TEST_F(LogTest, FiveThousandAndOneLinesKeepTheLastFiveThousand) {
    WriteLines(5001);
    OpenLogIn(directory.string(), "");
    const std::string text = Contents();
    EXPECT_EQ(text.find("entry2\n"), 0u);
    EXPECT_EQ(text.find("entry1\n"), std::string::npos);
    EXPECT_FALSE(fs::exists(LogPath() + ".bak"));
}

TEST_F(LogTest, A600CharacterLineCountsAsThree) {
    {
        std::ofstream out(LogPath());
        out << std::string(600, 'x') << "\n";  // three reads of at most 259 characters
        for (int i = 1; i <= 4998; ++i) out << "entry" << i << "\n";
    }
    OpenLogIn(directory.string(), "");
    // 5001 line reads: the first read (259 'x') goes, the rest of the long line stays.
    const std::string text = Contents();
    EXPECT_EQ(text.find(std::string(341, 'x') + "\nentry1\n"), 0u);
}

TEST_F(LogTest, HeaderAndEntriesHaveTheirFormats) {
    OpenLogIn(directory.string(), "");
    WriteLog("Hello %d\n", 42);
    CloseLog();
    const std::string text = Contents();
    EXPECT_EQ(text.find(std::string(66, '=') + "\nProgram Version: 1.0\nOS: "), 0u);
    EXPECT_NE(text.find("\nCan't get IE Version\n"), std::string::npos);
    EXPECT_NE(text.find(" S("), std::string::npos);
    const size_t entry = text.rfind("\n[");
    ASSERT_NE(entry, std::string::npos);
    EXPECT_EQ(text[entry + 21], ']');
    EXPECT_EQ(text.substr(entry + 1 + 21), "Hello 42\n");
}

TEST_F(LogTest, EngineVersionLine) {
    OpenLogIn(directory.string(), "6.4.2");
    CloseLog();
    EXPECT_NE(Contents().find("\nIE Version: 6.4.2\n"), std::string::npos);
}

TEST_F(LogTest, LongMessagesAreCutAt1023Characters) {
    OpenLogIn(directory.string(), "");
    WriteLog("%s", std::string(3000, 'm').c_str());
    CloseLog();
    const std::string text = Contents();
    const size_t start = text.rfind(']') + 1;
    EXPECT_EQ(text.size() - start, 1023u);
}

TEST_F(LogTest, UnwritableDirectoryIsSilent) {
    if (geteuid() == 0) {
        // root writes anywhere: make the log path a directory instead.
        fs::create_directories(LogPath());
    } else {
        fs::permissions(directory / "log", fs::perms::owner_read | fs::perms::owner_exec);
    }
    OpenLogIn(directory.string(), "");
    EXPECT_FALSE(IsLogOpen());
    WriteLog("nothing %s\n", "happens");
}
