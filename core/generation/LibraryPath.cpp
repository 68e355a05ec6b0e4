#include "core/generation/LibraryPath.h"

#include "core/generation/TextUtil.h"
#include "core/library/ConfigLoader.h"
#include "core/services/Paths.h"

std::string LibraryDirectory() {
    const CConfigLoader& loader = ConfigLoader();
    return loader.IsLoaded() && !loader.Directory().empty() ? loader.Directory() : ProgramDirectory();
}

std::string ProgramFileUrl(const std::string& relative) { return FileUrlFromPath(ProgramDirectory()) + relative; }

std::string ResolveLibraryPath(const std::string& path) {
    if (StartsWith(path, "widgets/")) return FileUrlFromPath(LibraryDirectory()) + path;
    if (StartsWith(path, "bootstrap/") || StartsWith(path, "thirdparty/")) return ProgramFileUrl(path);
    return path;
}

namespace {

// Replaces each occurrence of `entry` by `prefix` + `entry`, except where the
// prefix stands there already: a nested object of the same widget has rewritten
// the text before, and a second rewrite would double the address.
void PrefixOccurrences(std::string& text, const std::string& entry, const std::string& prefix) {
    size_t position = text.find(entry);
    if (position == std::string::npos) return;
    std::string out;
    size_t start = 0;
    while (position != std::string::npos) {
        out.append(text, start, position - start);
        const bool done = position >= prefix.size() && text.compare(position - prefix.size(), prefix.size(), prefix) == 0;
        if (!done) out += prefix;
        out += entry;
        start = position + entry.size();
        position = text.find(entry, start);
    }
    out.append(text, start, std::string::npos);
    text = std::move(out);
}

}  // namespace

void RewriteExternalFiles(std::string& text, const std::string& externalFiles) {
    if (externalFiles.empty()) return;
    for (const std::string& entry : SplitNonEmpty(externalFiles, ';')) {
        const std::string url = ResolveLibraryPath(entry);
        if (url != entry) PrefixOccurrences(text, entry, url.substr(0, url.size() - entry.size()));
        else PrefixOccurrences(text, entry, ProgramFileUrl(""));
    }
}
