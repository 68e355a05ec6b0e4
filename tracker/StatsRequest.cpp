#include "tracker/StatsRequest.h"

#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

#ifndef COUNTLING_DEFAULT_URL
#define COUNTLING_DEFAULT_URL ""
#endif

std::string StatisticsAddress() {
    const char* configured = std::getenv("COUNTLING_STATS_URL");
    if (configured != nullptr && *configured != '\0') return configured;
    return COUNTLING_DEFAULT_URL;
}

std::string BuildRequestUrl(const std::string& address, const UsageEvent& event, int random) {
    static const char* const kQueryFormat = "?cat=%s&act=%s&label=%s&v=%d&rand=%d";
    const int length = std::snprintf(nullptr, 0, kQueryFormat, event.category.c_str(), event.action.c_str(),
                                     event.label.c_str(), event.value, random);
    if (length < 0) return address;
    std::vector<char> query(static_cast<size_t>(length) + 1);
    std::snprintf(query.data(), query.size(), kQueryFormat, event.category.c_str(), event.action.c_str(),
                  event.label.c_str(), event.value, random);
    return address + query.data();
}

int RandomRequestNumber() {
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    std::mt19937 generator(static_cast<std::mt19937::result_type>(ticks));
    return std::uniform_int_distribution<int>(0, INT_MAX)(generator);
}
