#include "core/document/AppEventHub.h"

AppEventHub::AppEventHub() : uiThread_(std::this_thread::get_id()) {}

AppEventHub& AppEventHub::Instance() {
    static AppEventHub hub;
    return hub;
}

void AppEventHub::Dispatch(const EventRecord& record) {
    if (!OnUserInterfaceThread()) {
        Post(record);
        return;
    }
    if (record.event < 0 || record.event >= kAppEventCount) return;
    // A copy: the handler may replace itself while it runs.
    Handler handler = handlers_[record.event];
    if (handler) handler(record);
}

void AppEventHub::Dispatch(int event, intptr_t first, intptr_t second, intptr_t third) {
    Dispatch(EventRecord{event, first, second, third, {}});
}

void AppEventHub::Post(EventRecord record) {
    // Without a poster there is no main window to deliver to: the event is lost.
    if (poster_) poster_(std::move(record));
}

void AppEventHub::Post(int event, intptr_t first, intptr_t second, intptr_t third) {
    Post(EventRecord{event, first, second, third, {}});
}

void AppEventHub::SetHandler(int event, Handler handler) {
    if (event >= 0 && event < kAppEventCount) handlers_[event] = std::move(handler);
}

void AppEventHub::ClearHandlers() {
    for (Handler& handler : handlers_) handler = nullptr;
}
