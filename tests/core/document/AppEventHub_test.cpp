#include <gtest/gtest.h>

#include <deque>
#include <thread>
#include <vector>

#include "core/document/AppEventHub.h"

namespace {

// A hand-drained queue in place of the main window's message loop.
class HubTest : public ::testing::Test {
protected:
    void SetUp() override {
        hub.ClearHandlers();
        hub.SetUserInterfaceThread(std::this_thread::get_id());
        hub.SetPoster([this](EventRecord record) {
            std::lock_guard lock(mutex);
            queue.push_back(std::move(record));
        });
    }
    void TearDown() override {
        hub.ClearHandlers();
        hub.SetPoster(nullptr);
    }
    void Drain() {
        for (;;) {
            EventRecord record;
            {
                std::lock_guard lock(mutex);
                if (queue.empty()) return;
                record = std::move(queue.front());
                queue.pop_front();
            }
            hub.Deliver(record);
        }
    }
    void Record(int event) {
        hub.SetHandler(event, [this](const EventRecord& r) {
            ran.push_back(r.event * 100 + static_cast<int>(r.first));
            threads.push_back(std::this_thread::get_id());
        });
    }

    AppEventHub& hub = AppEventHub::Instance();
    std::mutex mutex;
    std::deque<EventRecord> queue;
    std::vector<int> ran;
    std::vector<std::thread::id> threads;
};

}  // namespace

TEST_F(HubTest, WorkerEventsRunOnlyWhenDrainedOnTheMainThreadInOrder) {
    Record(AddPage);
    Record(RefreshSiteTree);
    std::thread worker([this] {
        hub.Dispatch(AddPage, 1);
        hub.Dispatch(RefreshSiteTree, 2);
        hub.Dispatch(AddPage, 3);
    });
    worker.join();
    EXPECT_TRUE(ran.empty());
    Drain();
    EXPECT_EQ(ran, (std::vector<int>{1901, 802, 1903}));
    for (auto id : threads) EXPECT_EQ(id, std::this_thread::get_id());
}

TEST_F(HubTest, MainThreadDispatchRunsWithTheEventsItNamesBeforeReturning) {
    Record(RefreshWidgetTree);
    Record(RefreshDesignPage);
    hub.SetHandler(DeleteObject, [this](const EventRecord&) {
        ran.push_back(1700);
        hub.Dispatch(RefreshDesignPage);
        hub.Dispatch(RefreshWidgetTree);
    });
    hub.Dispatch(DeleteObject);
    EXPECT_EQ(ran, (std::vector<int>{1700, 400, 700}));
}

TEST_F(HubTest, PostOnTheMainThreadWaitsForTheCurrentWork) {
    Record(EndEdit);
    hub.Post(EndEdit, 1);
    EXPECT_TRUE(ran.empty());
    Drain();
    EXPECT_EQ(ran, (std::vector<int>{2301}));
}

TEST_F(HubTest, EventsOutsideTheCatalogueDoNothing) {
    for (int event = 0; event < kAppEventCount; ++event) Record(event);
    hub.Dispatch(-1);
    hub.Dispatch(45);
    hub.Dispatch(1000);
    EXPECT_TRUE(ran.empty());
    hub.Dispatch(ScrollToObject);
    EXPECT_EQ(ran, (std::vector<int>{4400}));
}

TEST_F(HubTest, PostedTextTravelsWithTheRecord) {
    std::string received;
    hub.SetHandler(LoadTemplate, [&](const EventRecord& r) { received = r.text; });
    {
        EventRecord record;
        record.event = LoadTemplate;
        record.text = "/templates/shop.quillora";
        hub.Post(std::move(record));
    }
    Drain();
    EXPECT_EQ(received, "/templates/shop.quillora");
}
