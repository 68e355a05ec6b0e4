#pragma once
#include <string>

class CTsObject;

// Writes the export form of every page of the site into `directory` as
// "<name>.htm" (UTF-8, CR LF line ends), rewrites the local file addresses of the
// pages to relative references, and copies the referenced files, the library
// files the widgets name, and the "files" folder of `documentDirectory` (the
// folder of the site file) there. Shows its message and returns false on failure.
//
// A page whose trimmed name is not a valid object name (it would name a file
// outside the directory, or none) is refused before anything is written.
bool ExportSite(CTsObject& site, const std::string& directory, const std::string& documentDirectory);
