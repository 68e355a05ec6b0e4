#include "core/generation/SitemapText.h"

#include <cstdio>
#include <cstring>
#include <ctime>

#include "core/generation/TextUtil.h"

namespace {
constexpr size_t kMaxEscapedLength = 2048;

bool IsUrlSafe(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           (c != 0 && std::strchr("!'()*-./:_~", c) != nullptr);
}
}  // namespace

std::string JoinUrl(const std::string& base, const std::string& part) {
    if (base.empty()) return std::string();
    if (base.back() == '/') return base + part;
    return base + "/" + part;
}

std::string EscapeUrl(const std::string& text) {
    static const char* hex = "0123456789abcdef";
    std::string out;
    for (unsigned char c : text) {
        const size_t needed = IsUrlSafe(c) ? 1 : 3;
        if (out.size() + needed > kMaxEscapedLength) break;
        if (needed == 1) {
            out += static_cast<char>(c);
        } else {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 15];
        }
    }
    return out;
}

std::string SitemapPageAddress(const std::string& domain, const std::string& pageName) {
    const std::string name = TrimWhiteSpace(pageName);
    return JoinUrl(domain, EqualsNoCase(name, "index") ? std::string() : name + ".htm");
}

SitemapDate LocalDate() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return SitemapDate{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

std::string BuildSitemapText(const std::string& domain, const std::vector<std::string>& pageNames, SitemapDate date) {
    std::string text =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<urlset xmlns=\"http://www.sitemaps.org/schemas/sitemap/0.9\">\n";
    char lastmod[32];
    std::snprintf(lastmod, sizeof lastmod, "%d-%02d-%02d", date.year, date.month, date.day);
    for (const std::string& name : pageNames)
        text += "<url><loc>" + EscapeUrl(SitemapPageAddress(domain, name)) + "</loc><lastmod>" + lastmod + "</lastmod></url>\n";
    text += "</urlset>";
    return text;
}
