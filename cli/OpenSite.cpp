#include "cli/OpenSite.h"

#include <filesystem>
#include <system_error>

#include "core/document/TesseraDoc.h"
#include "core/library/ConfigLoader.h"
#include "core/services/Paths.h"

bool LoadLibrary(const CliArguments& arguments) {
    if (arguments.library.empty()) {
        ConfigLoader().Load();
        return true;
    }
    if (!DirectoryExists(arguments.library)) {
        ReportError("no widget library at \"" + arguments.library + "\"");
        return false;
    }
    // Pages address the library's files by absolute file URLs.
    std::error_code error;
    ConfigLoader().LoadFrom(std::filesystem::absolute(arguments.library, error).lexically_normal().string());
    return true;
}

bool OpenSite(const std::string& sitePath, CTesseraDoc& document) {
    if (!FileExists(sitePath)) {
        ReportError("no site file at \"" + sitePath + "\"");
        return false;
    }
    if (!document.OnOpenDocument(sitePath)) {
        ReportError("cannot read the site file \"" + sitePath + "\"");
        return false;
    }
    SetActiveDocument(&document);
    return true;
}
