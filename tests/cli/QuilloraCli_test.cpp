#include <gtest/gtest.h>

#include "tests/support/RunProcess.h"

TEST(QuilloraCli, HelpAndVersion) {
    ProcessResult help = RunProcess(ProgramPath("quillora-cli") + " --help");
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.output.find("Usage: quillora-cli"), std::string::npos);

    ProcessResult version = RunProcess(ProgramPath("quillora-cli") + " --version");
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.output, "quillora-cli 1.1\n");
}

TEST(QuilloraCli, UnknownCommandFailsWithAMessage) {
    ProcessResult result = RunProcess(ProgramPath("quillora-cli") + " frobnicate 2>&1");
    EXPECT_NE(result.exitCode, 0);
    EXPECT_NE(result.output.find("unknown command"), std::string::npos);
}
