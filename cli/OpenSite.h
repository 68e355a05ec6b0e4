#pragma once
#include <string>

#include "cli/CliArguments.h"

class CTesseraDoc;

// Loads the widget library: the program's, or the one of --library. Must come
// before any document is made, since objects take their properties from it.
// False after reporting why.
bool LoadLibrary(const CliArguments& arguments);
// Reads a site file into `document`, which becomes the active document. False
// after reporting why.
bool OpenSite(const std::string& sitePath, CTesseraDoc& document);
