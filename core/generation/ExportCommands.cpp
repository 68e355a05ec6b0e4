#include "core/generation/ExportCommands.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "core/generation/ExportSite.h"
#include "core/generation/TextUtil.h"
#include "core/model/TsObject.h"
#include "core/services/Paths.h"
#include "core/services/Prompt.h"

namespace fs = std::filesystem;

std::string DocumentsDirectory() {
    if (const char* documents = std::getenv("XDG_DOCUMENTS_DIR"); documents && *documents) return documents;
    const char* home = std::getenv("HOME");
    return PathJoin(home && *home ? home : "/tmp", "Documents");
}

std::string ProposedExportDirectory(const CTsObject& site) { return PathJoin(DocumentsDirectory(), site.GetName()); }

std::string ExportDirectoryOf(const CTsObject& site) {
    const std::string stored = site.OwnValue("export-directory");
    return stored.empty() ? ProposedExportDirectory(site) : stored;
}

std::string PreviewDirectory() {
    std::error_code error;
    fs::path temporary = fs::temp_directory_path(error);
    if (error) temporary = "/tmp";
    return PathJoin(temporary.string(), "Quillora");
}

bool CreateExportDirectory(const std::string& directory) {
    std::error_code error;
    fs::create_directories(directory, error);
    if (!error || fs::is_directory(directory)) return true;
    ShowMessage("SHCreateDirectoryEx returns " + std::to_string(error.value()));
    return false;
}

bool StoreExportDirectory(CTsObject& site, const std::string& directory) {
    if (EqualsNoCase(site.OwnValue("export-directory"), directory)) return false;
    site.SetProperty("export-directory", directory);
    return true;
}

bool RecreateDirectory(const std::string& directory) {
    std::error_code error;
    fs::remove_all(directory, error);
    return MakeDirectories(directory);
}

bool ExportToDirectory(CTsObject& site, const std::string& directory, const std::string& documentDirectory) {
    StoreExportDirectory(site, directory);
    if (ExportSite(site, directory, documentDirectory)) return true;
    ShowMessage("Export failed.");
    return false;
}

bool PreviewSite(CTsObject& site, const std::string& documentDirectory, const std::string& currentPageName,
                 std::string& pageToOpen) {
    const std::string directory = PreviewDirectory();
    RecreateDirectory(directory);
    if (!ExportSite(site, directory, documentDirectory)) {
        ShowMessage("Export failed.");
        return false;
    }
    pageToOpen = PathJoin(directory, TrimWhiteSpace(currentPageName) + ".htm");
    return true;
}
