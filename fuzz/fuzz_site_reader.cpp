// Feeds arbitrary bytes to the site file reader, then writes what was read back
// out and reads that again: no input may crash, hang or leak. Any input that is
// JSON must also come out of the site file's layout writer exactly as JsonCpp's
// StyledWriter lays it out, and the direct site writer must match the archive.
#include <cstddef>
#include <cstdint>
#include <exception>
#include <string>

#include "core/model/JsonArchive.h"
#include "core/model/ModelHooks.h"
#include "core/model/SharedObjects.h"
#include "core/model/SiteArchive.h"
#include "core/model/SiteWriter.h"
#include "core/model/StyledJson.h"
#include "core/model/TsObject.h"
#include "tests/support/PlainProperty.h"
#include "core/services/Prompt.h"
#include "tests/support/SilentPrompt.h"

namespace {

// A few properties of each kind, and one viewport on the site, so values, lists
// and the page width all take part.
void Instantiate(CTsObject& object, const std::string& type) {
    InstantiateNameOnly(object, type);
    AddPlainProperty(object, "color", "String", "", "", true);
    AddPlainProperty(object, "z-index", "Int", "0");
    AddPlainProperty(object, "innerHTML", "String", "");
    if (object.IsPage()) AddPlainProperty(object, "page-width", "String", "960px");
    if (object.IsSite())
        AddPlainProperty(object, "viewport", "String",
                         "[{\"name\":\"phone\",\"page-width\":\"320px\",\"media-max-width\":\"480px\"}]");
}

void CheckLayout(const std::string& text) {
    Json::Value value;
    try {
        if (!Json::Reader().parse(text, value, false)) return;
    } catch (const std::exception&) {
        return;
    }
    if (StyledJsonText(value) != Json::StyledWriter().write(value)) __builtin_trap();
}

void ReadInto(CTsObject& site, const std::string& text) {
    CJsonArchive archive(text);
    SerializeSite(site, archive);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static CSilentPrompt prompt;
    static bool ready = [] {
        SetPrompt(&prompt);
        SetInstantiateHook(Instantiate);
        InstallSharedObjectHooks();
        return true;
    }();
    (void)ready;

    const std::string text(reinterpret_cast<const char*>(data), size);
    CheckLayout(text);
    CTsObject site;
    ReadInto(site, text);
    CJsonArchive out;
    SerializeSite(site, out);
    const std::string written = out.StyledText();
    // Saving writes straight from the tree: it must give the archive's bytes.
    if (SiteFileText(site) != written) __builtin_trap();
    CTsObject again;
    ReadInto(again, written);
    return 0;
}
