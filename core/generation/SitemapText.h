#pragma once
#include <string>
#include <vector>

// The pieces of a sitemap that need no site: addresses and the XML text.

// base + "/" (unless base ends with one) + part; empty when base is empty.
std::string JoinUrl(const std::string& base, const std::string& part);
// Percent-encodes every byte but ASCII letters, digits and ! ' ( ) * - . / : _ ~,
// with lower-case hexadecimal digits; at most 2048 characters.
std::string EscapeUrl(const std::string& text);
// The address of a page: the domain itself for a page named index (any case),
// else the domain joined with "<name>.htm".
std::string SitemapPageAddress(const std::string& domain, const std::string& pageName);

struct SitemapDate {
    int year = 0;
    int month = 0;
    int day = 0;
};
// Today's local date.
SitemapDate LocalDate();
// The sitemap XML (line feeds only; written out with CR LF).
std::string BuildSitemapText(const std::string& domain, const std::vector<std::string>& pageNames, SitemapDate date);
