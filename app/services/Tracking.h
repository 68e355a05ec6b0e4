#pragma once
#include <QString>

// Usage events: fire and forget. The request is sent in the background and its
// answer ignored; the caller never waits.
void TrackEventAsync(const QString& category, const QString& action, const QString& label, int value);
// The address the event goes to (category, action, label, value and a random number).
QString TrackingAddress(const QString& category, const QString& action, const QString& label, int value);
