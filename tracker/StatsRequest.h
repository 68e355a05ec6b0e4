#pragma once
#include <string>

// One usage event as the statistics address receives it.
struct UsageEvent {
    std::string category;
    std::string action;
    std::string label;
    int value = 0;
};

// The statistics address: COUNTLING_STATS_URL when set and not empty, otherwise
// the address built into the program.
std::string StatisticsAddress();

// The address with the event query appended; `random` keeps caches from answering.
std::string BuildRequestUrl(const std::string& address, const UsageEvent& event, int random);

// A non-negative random number from a generator seeded with the clock.
int RandomRequestNumber();
