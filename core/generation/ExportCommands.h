#pragma once
#include <string>

class CTsObject;

// The parts of the Export Site, Preview Site and Set Export Directory commands
// that need no window. The program adds the dialogs, the recycle bin and the
// opening of folders and pages around them.

// The site's "export-directory", or the proposal when it is empty: the user's
// documents folder joined with the site's trimmed name.
std::string ExportDirectoryOf(const CTsObject& site);
std::string ProposedExportDirectory(const CTsObject& site);
// The user's documents folder ($XDG_DOCUMENTS_DIR, else ~/Documents).
std::string DocumentsDirectory();
// The scratch folder of the preview: the system's temporary folder joined with
// "Quillora".
std::string PreviewDirectory();

// Creates the export directory when missing; shows "SHCreateDirectoryEx returns %d"
// with the system's error code when that fails (an existing directory is fine).
bool CreateExportDirectory(const std::string& directory);
// Stores a chosen export directory in the site's "export-directory" when it
// differs (without regard to case) from the stored one. True when it stored it.
bool StoreExportDirectory(CTsObject& site, const std::string& directory);
// Export Site after the directory was chosen and emptied: stores the directory,
// exports, and shows "Export failed." on failure.
bool ExportToDirectory(CTsObject& site, const std::string& directory, const std::string& documentDirectory);
// Preview Site: empties the preview folder (permanently), exports into it and
// gives the page file to open in the browser; "Export failed." on failure.
bool PreviewSite(CTsObject& site, const std::string& documentDirectory, const std::string& currentPageName,
                 std::string& pageToOpen);
// Deletes a folder with its contents and creates it again, empty.
bool RecreateDirectory(const std::string& directory);
