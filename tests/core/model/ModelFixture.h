#pragma once
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "core/document/AppEventHub.h"
#include "core/model/ModelHooks.h"
#include "core/model/TsObject.h"
#include "tests/support/RecordingPrompt.h"

// A stand-in widget library: every object gets "name" plus a few layout
// properties; "color" and "left" support viewports, pages carry "page-width" and
// the site its "viewport" text. Records hub events and prompt messages.
class ModelFixture : public ::testing::Test {
protected:
    void SetUp() override {
        SetInstantiateHook([this](CTsObject& object, const std::string& type) {
            InstantiateNameOnly(object, type);
            if (nameDefault) object.properties.FindOwn("name")->value.text = *nameDefault;
            Add(object, "left", "String", "", "true");
            Add(object, "top", "String", "", "");
            Add(object, "width", "String", "", "");
            Add(object, "position", "String", "", "");
            Add(object, "z-index", "String", "", "");
            Add(object, "class", "String", "", "");
            Add(object, "color", "String", "", "true");
            Add(object, "count", "Int", "0", "true");
            if (object.IsPage()) Add(object, "page-width", "String", "960px", "");
            if (object.IsSite()) Add(object, "viewport", "String", siteViewports, "");
        });
        SetCurrentViewport(0);
        SetLastRefusedObject(nullptr);
        AppEventHub& hub = AppEventHub::Instance();
        hub.ClearHandlers();
        hub.SetUserInterfaceThread(std::this_thread::get_id());
        for (int event = 0; event < kAppEventCount; ++event) {
            hub.SetHandler(event, [this](const EventRecord& record) { events.push_back(record.event); });
        }
        hub.SetPoster([this](EventRecord record) { posted.push_back(record.event); });
    }

    void TearDown() override {
        // Hooks set by a test may capture its locals: drop them before the site goes.
        SetCascadePlacementHook(nullptr);
        SetLeaveSharedGroupsHook(nullptr);
        delete site;
        SetInstantiateHook(nullptr);
        SetCurrentViewportAccessor(nullptr);
        SetCurrentViewport(0);
        AppEventHub::Instance().ClearHandlers();
        AppEventHub::Instance().SetPoster(nullptr);
    }

    static void Add(CTsObject& object, const std::string& name, const std::string& type,
                    const std::string& value, const std::string& multiViewport) {
        CPropertyDefinition definition;
        definition.name = name;
        definition.type = type;
        definition.defaultValue = value;
        definition.supportMultiViewport = multiViewport;
        object.properties.SetOwn(name, CTsProperty::FromDefinition(definition));
    }

    CTsObject* MakeSite() {
        site = new CTsObject();
        site->CreatePage();
        return site;
    }
    CTsObject* Page(size_t index = 0) { return site->children.at(index); }
    // A new attached object of `type` under `parent`, optionally named.
    CTsObject* Attach(CTsObject* parent, const std::string& type, const std::string& name = "") {
        CTsObject* object = new CTsObject(parent, type);
        if (!name.empty()) object->SetName(name);
        parent->AppendChild(object);
        return object;
    }

    std::string siteViewports;
    std::optional<std::string> nameDefault;  // when set, instantiation names every object so
    CTsObject* site = nullptr;
    CRecordingPrompt prompt;
    std::vector<int> events;
    std::vector<int> posted;
};
