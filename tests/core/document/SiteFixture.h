#pragma once
#include <gtest/gtest.h>

#include <string>

#include "core/library/ConfigLoader.h"
#include "core/model/ModelHooks.h"
#include "core/model/SharedObjects.h"
#include "core/model/TsObject.h"
#include "tests/support/PlainProperty.h"
#include "tests/support/RecordingPrompt.h"

// A small, fixed widget library for the document tests: every object gets the
// same handful of properties, pages a "page-width", the site a "viewport" text
// with the fixture's viewports. Widget types are those of the library fixture
// (_Button, _Basic_Label, ...), so the file reader knows them.
class CSiteFixture : public ::testing::Test {
protected:
    // Two viewports; "left" and "color" differ per viewport.
    static constexpr const char* kTwoViewports =
        "[{\"name\":\"phone\",\"page-width\":\"320px\",\"media-min-width\":\"\",\"media-max-width\":\"480px\","
        "\"enable\":\"yes\"},{\"name\":\"tablet\",\"page-width\":\"760px\",\"media-min-width\":\"481px\","
        "\"media-max-width\":\"979px\",\"enable\":\"yes\"}]";

    void SetUp() override {
        loader_.LoadFrom(std::string(QUILLORA_FIXTURES_DIR) + "/library/tree/");
        UseConfigLoader(&loader_);
        SetInstantiateHook([this](CTsObject& object, const std::string& type) { Instantiate(object, type); });
        InstallSharedObjectHooks();
    }
    void TearDown() override {
        SetInstantiateHook(nullptr);
        UseConfigLoader(nullptr);
    }

    static void Add(CTsObject& object, const std::string& name, const std::string& type,
                    const std::string& value, const std::string& subtype = "", bool perViewport = false) {
        AddPlainProperty(object, name, type, value, subtype, perViewport);
    }

    void Instantiate(CTsObject& object, const std::string& type) {
        InstantiateNameOnly(object, type);
        if (type == "_Gone_Widget") return;  // no longer in the library
        Add(object, "color", "String", "", "Color", true);
        Add(object, "left", "String", "", "LengthX", true);
        Add(object, "z-index", "Int", "0");
        Add(object, "margin", "String", "4px");
        Add(object, "Padding", "String", "2px");
        Add(object, "border-width", "String", "1px");
        Add(object, "innerHTML", "String", "");
        Add(object, "image", "String", "", "File");
        if (object.IsPage()) Add(object, "page-width", "String", "960px", "Length");
        if (object.IsSite()) Add(object, "viewport", "String", siteViewports);
    }

    // Text of a property's own (base) value.
    static std::string Base(const CTsObject& object, const std::string& name) {
        const CTsProperty* property = object.properties.FindOwn(name);
        return property ? property->GetValue().AsText() : std::string("<absent>");
    }
    static void SetBase(CTsObject& object, const std::string& name, const std::string& value) {
        object.properties.FindOwn(name)->SetValue(PropertyVariant(value));
    }
    // Text of a property in viewport list `list` (0-based).
    static std::string InViewport(const CTsObject& object, size_t list, const std::string& name) {
        const auto& lists = object.properties.ViewportLists();
        if (list >= lists.size()) return "<no list>";
        const CTsProperty* property = lists[list].FindOwn(name);
        return property ? property->GetValue().AsText() : std::string("<absent>");
    }

    std::string siteViewports;
    CConfigLoader loader_;
    CRecordingPrompt prompt;
};
