#pragma once
#include <string>
#include <vector>

class CTsObject;

// The copy list of an export or a save to another folder: two parallel lists, the
// source at index i is copied to the destination at index i. Sources are distinct
// without regard to letter case; paths keep the case they were found in, so the
// copy works on a file system that tells case apart.
struct CopyList {
    std::vector<std::string> sources;
    std::vector<std::string> destinations;
};

// Decides where the local file named by a file URL goes inside `directory`, adds
// the pair to the copy list when the file is not there yet, and returns the
// relative reference that replaces the URL in the written text.
std::string RegisterCopy(const std::string& fileUrl, const std::string& directory, CopyList& copies);

// Replaces every local file URL of a document text, written as url(file://...)
// or inside double quotes, by its relative reference.
std::string RewriteFileUrls(const std::string& text, const std::string& directory, CopyList& copies);

// Performs the copy list: files and whole folders, creating folders as needed.
// False (after its message and log lines) when a destination is too long or a
// copy fails.
bool CopyFiles(const CopyList& copies);

// Save to another folder: points every file reference of the site's properties
// into the new site file's folder and copies the files, and the old folder's
// sub-folders, there.
void CollectSiteFiles(CTsObject& site, const std::string& newSitePath, const std::string& oldSitePath);

// The local path of a file URL ("file:///a%20b" gives "/a b"); empty when the
// text is no file URL.
std::string LocalPathFromFileUrl(const std::string& url);
