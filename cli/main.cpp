// quillora-cli: the headless companion of Quillora for scripts and build pipelines.
#include <cstdio>
#include <cstring>
#include <string>

namespace {

const char* kUsage =
    "Usage: quillora-cli COMMAND [ARGUMENTS]\n"
    "\n"
    "Commands:\n"
    "  --help       show this text\n"
    "  --version    show the program version\n";

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const std::string command = argv[1];
    if (command == "--help" || command == "-h") {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (command == "--version") {
        std::printf("quillora-cli %s\n", QUILLORA_VERSION_TEXT);
        return 0;
    }
    std::fprintf(stderr, "quillora-cli: unknown command \"%s\" (see --help)\n", command.c_str());
    return 2;
}
