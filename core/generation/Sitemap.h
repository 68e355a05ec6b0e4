#pragma once
#include <string>

#include "core/generation/SitemapText.h"

class CTsObject;

// The sitemap of a site: one address per page, built on the site's "domain".
std::string BuildSitemap(const CTsObject& site, SitemapDate date);
// Generate Sitemap after the file was chosen: shows "Please set domain name
// first." and writes nothing when the site has no domain; otherwise writes the
// sitemap (UTF-8, CR LF line ends). False when nothing was written.
bool WriteSitemap(const CTsObject& site, const std::string& path);
