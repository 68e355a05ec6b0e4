#pragma once
#include <string>

class CTsObject;

// The text of a site file, written straight from the tree: the same bytes as
// storing the site through CJsonArchive and laying the archive out, without the
// intermediate JSON document. Saving uses it; the archive stays the reference.
std::string SiteFileText(CTsObject& site);
