#pragma once
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>

// Runs a shell command line and gives its exit status and standard output.
struct ProcessResult {
    int exitCode = -1;
    std::string output;
};

inline ProcessResult RunProcess(const std::string& commandLine) {
    ProcessResult result;
    FILE* pipe = popen(commandLine.c_str(), "r");
    if (!pipe) return result;
    std::array<char, 4096> buffer{};
    size_t read = 0;
    while ((read = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) result.output.append(buffer.data(), read);
    const int status = pclose(pipe);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

inline std::string ProgramPath(const std::string& name) { return std::string(QUILLORA_PROGRAM_DIR) + "/" + name; }
