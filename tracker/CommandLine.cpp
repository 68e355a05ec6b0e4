#include "tracker/CommandLine.h"

#include <strings.h>

namespace {

// Length of the UTF-8 sequence introduced by a lead byte, 0 when the byte cannot start one.
size_t SequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

// Checks the second byte's range, which rules out overlong forms, surrogates and
// code points above U+10FFFF; the remaining bytes only need to be continuations.
bool SecondByteFits(unsigned char lead, unsigned char second) {
    if (lead == 0xE0) return second >= 0xA0 && second <= 0xBF;
    if (lead == 0xED) return second >= 0x80 && second <= 0x9F;
    if (lead == 0xF0) return second >= 0x90 && second <= 0xBF;
    if (lead == 0xF4) return second >= 0x80 && second <= 0x8F;
    return second >= 0x80 && second <= 0xBF;
}

bool IsValidUtf8(const std::string& text) {
    size_t at = 0;
    while (at < text.size()) {
        const auto lead = static_cast<unsigned char>(text[at]);
        const size_t length = SequenceLength(lead);
        if (length == 0 || at + length > text.size()) return false;
        for (size_t next = 1; next < length; ++next) {
            const auto byte = static_cast<unsigned char>(text[at + next]);
            const bool fits = next == 1 ? SecondByteFits(lead, byte) : (byte & 0xC0) == 0x80;
            if (!fits) return false;
        }
        at += length;
    }
    return true;
}

}  // namespace

bool SplitCommandLine(int argc, char** argv, std::vector<std::string>& arguments) {
    arguments.clear();
    if (argc < 0 || (argc > 0 && argv == nullptr)) return false;
    for (int index = 1; index < argc; ++index) {
        if (argv[index] == nullptr) return false;
        std::string argument(argv[index]);
        if (!IsValidUtf8(argument)) return false;
        arguments.push_back(std::move(argument));
    }
    return true;
}

std::string ChooseAction(const std::vector<std::string>& arguments) {
    if (!arguments.empty() && strcasecmp(arguments.front().c_str(), "uninstall") == 0) return "uninstall";
    return "install";
}
