// Loads a widget library whose definition files are made from the input and
// builds a site from it: every root member and the one widget become objects,
// get copied (cascade placement) and have their values checked as an editor
// would. The input is the root config.json, optionally followed by "@@@@" and the
// widget's config.json.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/library/ConfigLoader.h"
#include "core/model/TsObject.h"
#include "core/model/ValueSyntax.h"
#include "core/services/Paths.h"
#include "core/services/Prompt.h"
#include "tests/support/SilentPrompt.h"
#include "core/services/TextFile.h"

namespace {

// A library directory of this process, made once.
const std::string& LibraryDirectory() {
    static const std::string directory = [] {
        char pattern[] = "/tmp/quillora-fuzz-definitions-XXXXXX";
        const char* made = mkdtemp(pattern);
        const std::string root = made ? made : "/tmp/quillora-fuzz-definitions";
        MakeDirectories(root + "/widgets/Fuzz/Widget");
        return root;
    }();
    return directory;
}

void WriteLibrary(const std::string& input) {
    const size_t separator = input.find("@@@@");
    const std::string root = input.substr(0, separator);
    const std::string widget = separator == std::string::npos ? std::string() : input.substr(separator + 4);
    WriteTextFile(LibraryDirectory() + "/config.json", root);
    WriteTextFile(LibraryDirectory() + "/widgets/Fuzz/Widget/config.json", widget);
}

void CheckValues(CTsObject& object) {
    for (const auto& entry : object.properties.Own()) {
        PropertyVariant stored;
        std::string message;
        ValidateValue(entry.second, entry.second.GetValue(), stored, message, true);
        ValidateValue(entry.second, PropertyVariant(0x123456), stored, message, false);
    }
    IsFullPageWidth(object);
}

void BuildSite(const CConfigLoader& loader) {
    std::vector<std::string> types = {"_Fuzz_Widget", "Block", "PageWidthBlock"};
    const Json::Value& root = loader.RootDefinitions();
    if (root.isObject())
        for (const std::string& name : root.getMemberNames())
            if (types.size() < 24) types.push_back(name);

    CTsObject site;
    site.CreatePage();
    CTsObject* page = site.children[0];
    CheckValues(site);
    for (const std::string& type : types) {
        CTsObject* object = new CTsObject(page, type);
        page->AppendChild(object);
        CheckValues(*object);
        CTsObject* copy = object->Clone();
        page->AppendChild(copy);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static CSilentPrompt prompt;
    SetPrompt(&prompt);
    static CConfigLoader loader;
    UseConfigLoader(&loader);
    WriteLibrary(std::string(reinterpret_cast<const char*>(data), size));
    loader.LoadFrom(LibraryDirectory());
    BuildSite(loader);
    return 0;
}
