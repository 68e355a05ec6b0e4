#include "core/generation/FileCollection.h"

#include <strings.h>

#include <cctype>

#include <filesystem>
#include <system_error>

#include <json/json.h>

#include "core/model/TsObject.h"
#include "core/generation/LibraryPath.h"
#include "core/services/Log.h"
#include "core/services/Paths.h"
#include "core/services/Prompt.h"
#include "core/services/Regex.h"

namespace fs = std::filesystem;

namespace {

// Destinations this long are refused before anything is copied.
constexpr size_t kMaxDestinationLength = 260;

bool StartsWithNoCase(const std::string& text, const std::string& prefix) {
    return text.size() >= prefix.size() && strncasecmp(text.c_str(), prefix.c_str(), prefix.size()) == 0;
}

bool EqualsNoCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && strcasecmp(a.c_str(), b.c_str()) == 0;
}

int IndexOfNoCase(const std::vector<std::string>& list, const std::string& item) {
    for (size_t i = 0; i < list.size(); ++i)
        if (EqualsNoCase(list[i], item)) return static_cast<int>(i);
    return -1;
}

std::string WithTrailingSlash(const std::string& directory) {
    if (!directory.empty() && directory.back() == '/') return directory;
    return directory + "/";
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string PercentDecode(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && HexDigit(text[i + 1]) >= 0 && HexDigit(text[i + 2]) >= 0) {
            out += static_cast<char>(HexDigit(text[i + 1]) * 16 + HexDigit(text[i + 2]));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

// A relative reference written into a page: characters that an address may not
// carry are percent-encoded, and so are "(" ")" "'".
bool IsUnsafeInReference(unsigned char c) {
    return c <= 0x20 || c >= 0x7F || c == '%' || c == '"' || c == '<' || c == '>' || c == '#' || c == '?' ||
           c == '(' || c == ')' || c == '\'' || c == '\\';
}

std::string EscapeReference(const std::string& relativePath) {
    return PercentEncode(relativePath, IsUnsafeInReference);
}

// Registers a file that keeps its place relative to a base folder.
std::string RegisterBelow(const std::string& path, const std::string& base, const std::string& directory,
                          CopyList& copies) {
    const std::string relative = path.substr(base.size());
    if (IndexOfNoCase(copies.sources, path) < 0) {
        copies.sources.push_back(path);
        copies.destinations.push_back(PathJoin(directory, relative));
    }
    return EscapeReference(relative);
}

// Registers a file gathered into the "files" folder under a name no other file
// of the list has taken.
std::string RegisterIntoFiles(const std::string& path, const std::string& directory, CopyList& copies) {
    int index = IndexOfNoCase(copies.sources, path);
    if (index < 0) {
        const std::string folder = PathJoin(directory, "files");
        std::string name = fs::path(path).filename().string();
        std::string destination = PathJoin(folder, name);
        while (IndexOfNoCase(copies.destinations, destination) >= 0) {
            name = "_" + name;
            destination = PathJoin(folder, name);
        }
        copies.sources.push_back(path);
        copies.destinations.push_back(destination);
        index = static_cast<int>(copies.sources.size()) - 1;
    }
    return "files/" + EscapeReference(fs::path(copies.destinations[index]).filename().string());
}

void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
    if (from.empty()) return;
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

// The URL inside one match: url(...) loses its wrapping, "..." its quotes.
std::string UrlOfMatch(const std::string& match) {
    if (StartsWithNoCase(match, "url(")) return match.substr(4, match.size() - 5);
    return match.substr(1, match.size() - 2);
}

std::vector<std::string> FindFileUrls(const std::string& text) {
    static const CRegex wrapped("url\\(file://[^\\)]+\\)");
    static const CRegex quoted("\"file://[^\"]+\"");
    std::vector<std::string> urls;
    for (const CRegex* pattern : {&wrapped, &quoted}) {
        size_t start = 0, position = 0, length = 0;
        while (start <= text.size() && pattern->Search(text, start, &position, &length)) {
            std::string url = UrlOfMatch(text.substr(position, length));
            if (IndexOfNoCase(urls, url) < 0) urls.push_back(url);
            start = position + (length > 0 ? length : 1);
        }
    }
    return urls;
}

bool CopyOnePair(const std::string& source, const std::string& destination, std::error_code& error) {
    const fs::path target(destination);
    if (target.has_parent_path()) fs::create_directories(target.parent_path(), error);
    if (error) return false;
    if (fs::is_directory(source, error)) {
        fs::copy(source, target, fs::copy_options::recursive | fs::copy_options::overwrite_existing, error);
    } else {
        fs::copy_file(source, target, fs::copy_options::overwrite_existing, error);
    }
    return !error;
}

void LogFailedCopy(const CopyList& copies) {
    WriteLog("copy failed.\n");
    WriteLog("-----------------\n");
    for (size_t i = 0; i < copies.sources.size(); ++i)
        WriteLog("from %s to %s\n", copies.sources[i].c_str(), copies.destinations[i].c_str());
    WriteLog("-----------------\n");
}

}  // namespace

std::string LocalPathFromFileUrl(const std::string& url) {
    if (!StartsWithNoCase(url, "file:")) return std::string();
    std::string rest = url.substr(5);
    if (rest.rfind("//", 0) == 0) {
        rest = rest.substr(2);
        if (StartsWithNoCase(rest, "localhost/")) rest = rest.substr(9);
        else if (!rest.empty() && rest[0] != '/') rest = "//" + rest;  // a network share
    }
    std::string path = PercentDecode(rest);
    // "file:///C:/x" names a drive path, kept in its own form.
    if (path.size() >= 3 && path[0] == '/' && std::isalpha(static_cast<unsigned char>(path[1])) && path[2] == ':')
        path = path.substr(1);
    return path;
}

std::string RegisterCopy(const std::string& fileUrl, const std::string& directory, CopyList& copies) {
    // "dir/../x" steps are resolved first, so a reference cannot pass for a file
    // below the program or the target folder and be copied outside the target.
    const std::string path = fs::path(LocalPathFromFileUrl(fileUrl)).lexically_normal().string();
    if (path.empty()) return fileUrl;
    const std::string base = WithTrailingSlash(directory);
    // Already inside the target's own "files" folder: only the reference changes.
    if (StartsWithNoCase(path, PathJoin(base, "files/"))) return EscapeReference(path.substr(base.size()));
    // Library and support files keep their place relative to the program.
    const std::string program = WithTrailingSlash(ProgramDirectory());
    if (StartsWithNoCase(path, program)) return RegisterBelow(path, program, directory, copies);
    // So do the files of a widget library loaded from elsewhere (a tool's --library).
    const std::string library = WithTrailingSlash(LibraryDirectory());
    if (StartsWithNoCase(path, library)) return RegisterBelow(path, library, directory, copies);
    return RegisterIntoFiles(path, directory, copies);
}

std::string RewriteFileUrls(const std::string& text, const std::string& directory, CopyList& copies) {
    std::string result = text;
    for (const std::string& url : FindFileUrls(text)) ReplaceAll(result, url, RegisterCopy(url, directory, copies));
    return result;
}

bool CopyFiles(const CopyList& copies) {
    for (size_t i = 0; i < copies.destinations.size(); ++i) {
        if (copies.destinations[i].size() >= kMaxDestinationLength) {
            ShowMessage(
                "File name is too long, please make it short, you also need to re-assign the new name to the "
                "property or re-insert it to block.\n" +
                copies.sources[i]);
            return false;
        }
    }
    for (size_t i = 0; i < copies.sources.size(); ++i) {
        std::error_code error;
        if (!CopyOnePair(copies.sources[i], copies.destinations[i], error)) {
            LogFailedCopy(copies);
            ShowMessage("Copy file failed, Return code = " + std::to_string(error ? error.value() : -1));
            return false;
        }
    }
    return true;
}

// ---- collection of a site's files into a new site folder ------------------------------

namespace {

bool IsFileSubtype(const std::string& subtype) {
    return subtype == "File" || subtype == "CSSFile" || subtype == "JSFile" || subtype == "FontFile";
}

bool IsDataSubtype(const std::string& subtype) { return subtype == "DataTree" || subtype == "DataList"; }

std::string RelocateDataText(const std::string& text, const CPropertyMap& format, const std::string& directory,
                             CopyList& copies);

const char* const kChildren = "children";

void RelocateRecords(Json::Value& records, const CPropertyMap& format, const std::string& directory,
                     CopyList& copies) {
    if (!records.isArray()) return;
    for (Json::Value& record : records) {
        if (!record.isObject()) continue;
        for (const auto& [field, definition] : format.Own()) {
            if (!record.isMember(field)) continue;
            Json::Value* value = &record[field];
            if (!value->isString()) continue;
            const std::string text = value->asString();
            const std::string& subtype = definition.Subtype();
            if (IsFileSubtype(subtype) && StartsWithNoCase(text, "file:"))
                *value = RegisterCopy(text, directory, copies);
            else if (IsDataSubtype(subtype))
                *value = RelocateDataText(text, definition.DataFormat(), directory, copies);
        }
        if (record.isMember(kChildren)) RelocateRecords(record[kChildren], format, directory, copies);
    }
}

// A data list or tree value: every file field of every record, nested lists and
// children included. A text that is no JSON array stays as it is.
std::string RelocateDataText(const std::string& text, const CPropertyMap& format, const std::string& directory,
                             CopyList& copies) {
    Json::Value records;
    try {
        Json::Reader reader;
        if (!reader.parse(text, records, false) || !records.isArray()) return text;
    } catch (const std::exception&) {
        return text;
    }
    RelocateRecords(records, format, directory, copies);
    return Json::StyledWriter().write(records);
}

void RelocateObject(CTsObject& object, const std::string& directory, CopyList& copies) {
    for (auto& [name, property] : object.properties.Own()) {
        const std::string& text = property.value.text;
        if (text.empty()) continue;
        const std::string& subtype = property.Subtype();
        if (IsDataSubtype(subtype))
            property.SetValue(PropertyVariant(RelocateDataText(text, property.DataFormat(), directory, copies)));
        else if (IsFileSubtype(subtype) && StartsWithNoCase(text, "file:"))
            property.SetValue(PropertyVariant(RegisterCopy(text, directory, copies)));
        else if (name == "innerHTML")
            property.SetValue(PropertyVariant(RewriteFileUrls(text, directory, copies)));
    }
    for (CTsObject* child : object.children) RelocateObject(*child, directory, copies);
}

std::string FolderBeforeLastSeparator(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

// Every sub-folder of the old site folder travels whole to the new one.
void AddSubFolders(const std::string& oldFolder, const std::string& newFolder, CopyList& copies) {
    std::error_code error;
    if (oldFolder.empty() || !fs::is_directory(oldFolder, error)) return;
    for (const auto& entry : fs::directory_iterator(oldFolder, error)) {
        if (!entry.is_directory(error)) continue;
        const std::string name = entry.path().filename().string();
        const std::string from = PathJoin(oldFolder, name);
        const std::string to = PathJoin(newFolder, name);
        if (!EqualsNoCase(from, to)) {
            copies.sources.push_back(from);
            copies.destinations.push_back(to);
        }
    }
}

}  // namespace

void CollectSiteFiles(CTsObject& site, const std::string& newSitePath, const std::string& oldSitePath) {
    const std::string folder = FolderBeforeLastSeparator(newSitePath);
    if (folder.empty()) return;
    CopyList copies;
    RelocateObject(site, folder, copies);
    AddSubFolders(FolderBeforeLastSeparator(oldSitePath), folder, copies);
    CopyFiles(copies);
    std::error_code error;
    fs::create_directories(PathJoin(folder, "files"), error);
    if (error) ShowMessage("SHCreateDirectoryEx returns " + std::to_string(error.value()));
}
