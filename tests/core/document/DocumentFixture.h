#pragma once
#include <memory>
#include <vector>

#include "core/document/AppEventHub.h"
#include "core/document/TesseraDoc.h"
#include "core/document/TreeEdits.h"
#include "tests/core/document/SiteFixture.h"

// A new document (page "index" holding "Block1") with its tree edits, and every
// hub event recorded. ShowPage is answered as the design view does.
class CDocumentFixture : public CSiteFixture {
protected:
    void SetUp() override {
        CSiteFixture::SetUp();
        doc = std::make_unique<CTesseraDoc>();
        ASSERT_TRUE(doc->OnNewDocument());
        edits = std::make_unique<CTreeEdits>(*doc);
        AppEventHub& hub = AppEventHub::Instance();
        for (int event = 0; event < kAppEventCount; ++event)
            hub.SetHandler(event, [this](const EventRecord& record) { events.push_back(record); });
        hub.SetHandler(ShowPage, [this](const EventRecord& record) {
            events.push_back(record);
            edits->ShowPage(reinterpret_cast<CTsObject*>(record.first), record.second != 0);
        });
        events.clear();
    }
    void TearDown() override {
        AppEventHub::Instance().ClearHandlers();
        edits.reset();
        doc.reset();
        CSiteFixture::TearDown();
    }
    std::vector<int> EventNumbers() const {
        std::vector<int> numbers;
        for (const EventRecord& record : events) numbers.push_back(record.event);
        return numbers;
    }
    CTsObject* Page(size_t index) const { return doc->site.children[index]; }
    CTsObject* Attach(CTsObject* parent, const std::string& type, const std::string& name) {
        CTsObject* object = edits->AppendObject(parent, nullptr, type);
        object->SetProperty("name", PropertyVariant(name));
        return object;
    }
    // "name(child child ...)" of an object's subtree.
    static std::string Outline(const CTsObject& object) {
        std::string text = object.GetName();
        if (object.children.empty()) return text;
        text += "(";
        for (size_t i = 0; i < object.children.size(); ++i) text += (i ? " " : "") + Outline(*object.children[i]);
        return text + ")";
    }

    std::unique_ptr<CTesseraDoc> doc;
    std::unique_ptr<CTreeEdits> edits;
    std::vector<EventRecord> events;
};
