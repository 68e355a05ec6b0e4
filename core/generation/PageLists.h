#pragma once
#include <string>
#include <vector>

class CTsObject;
class IPageEvaluator;

// The lists the link editor offers.
// "<name>.htm" for each page of the site, in order (the export file names).
std::vector<std::string> PageFileNames(const CTsObject& site);
// "#" + the id of each anchor of the design page, in document order; empty when no
// page is shown (`page` null).
std::vector<std::string> PageAnchors(IPageEvaluator* page);
