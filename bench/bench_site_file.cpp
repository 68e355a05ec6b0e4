// Saving and re-opening a synthetic site: 100 pages of 50 objects each, two
// viewports, one shared group per page. Every object carries 30 properties, four
// of them per viewport, like a widget of the library.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "core/document/TesseraDoc.h"
#include "core/model/ModelHooks.h"
#include "core/model/SharedObjects.h"
#include "core/services/Prompt.h"
#include "tests/support/SilentPrompt.h"
#include "tests/support/PlainProperty.h"

namespace {

constexpr int kPages = 100;
constexpr int kObjectsPerPage = 50;

const char* const kViewports =
    "[{\"name\":\"phone\",\"page-width\":\"320px\",\"media-min-width\":\"\",\"media-max-width\":\"480px\","
    "\"enable\":\"yes\"},{\"name\":\"tablet\",\"page-width\":\"760px\",\"media-min-width\":\"481px\","
    "\"media-max-width\":\"979px\",\"enable\":\"yes\"}]";

void Instantiate(CTsObject& object, const std::string& type) {
    InstantiateNameOnly(object, type);
    for (const char* name : {"left", "top", "width", "height"}) AddPlainProperty(object, name, "String", "100px", "", true);
    for (int i = 0; i < 20; ++i) AddPlainProperty(object, "style-" + std::to_string(i), "String", "value " + std::to_string(i));
    for (int i = 0; i < 4; ++i) AddPlainProperty(object, "number-" + std::to_string(i), "Int", std::to_string(i));
    AddPlainProperty(object, "innerHTML", "String", "<p>Some text of a block, long enough to be a paragraph.</p>");
    if (object.IsPage()) AddPlainProperty(object, "page-width", "String", "960px");
    if (object.IsSite()) AddPlainProperty(object, "viewport", "String", kViewports);
}

void BuildSite(CTsObject& site) {
    for (int p = 0; p < kPages; ++p) {
        CTsObject* page = site.children[static_cast<size_t>(site.CreatePage())];
        for (int o = 0; o < kObjectsPerPage; ++o) {
            auto* object = new CTsObject(page, o % 5 == 0 ? "Container" : "Block");
            object->properties.FindOwn("name")->SetValue(PropertyVariant("O" + std::to_string(p) + "_" + std::to_string(o)));
            page->children.push_back(object);  // names are unique already
        }
    }
    for (int p = 0; p + 1 < kPages; ++p)
        LinkShared(site.sharedGroups, site.children[static_cast<size_t>(p)]->children[0],
                   site.children[static_cast<size_t>(p + 1)]->children[1]);
}

std::string SitePath() {
    static const std::string path =
        (std::filesystem::temp_directory_path() / ("quillora-bench-" + std::to_string(getpid()) + ".quillora")).string();
    return path;
}

void Prepare() {
    static CSilentPrompt prompt;
    SetPrompt(&prompt);
    SetInstantiateHook(Instantiate);
}

void PeakMemory(benchmark::State& state) {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void BM_SaveSite(benchmark::State& state) {
    Prepare();
    CTesseraDoc doc;
    BuildSite(doc.site);
    for (auto _ : state) benchmark::DoNotOptimize(doc.OnSaveDocument(SitePath()));
    state.counters["file_MB"] = static_cast<double>(std::filesystem::file_size(SitePath())) / (1024.0 * 1024.0);
    PeakMemory(state);
    std::filesystem::remove(SitePath());
}

void BM_OpenSite(benchmark::State& state) {
    Prepare();
    {
        CTesseraDoc doc;
        BuildSite(doc.site);
        doc.OnSaveDocument(SitePath());
    }
    for (auto _ : state) {
        CTesseraDoc doc;
        benchmark::DoNotOptimize(doc.OnOpenDocument(SitePath()));
        if (doc.site.children.size() != kPages) state.SkipWithError("the site did not come back whole");
    }
    PeakMemory(state);
    std::filesystem::remove(SitePath());
}

BENCHMARK(BM_SaveSite)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_OpenSite)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

BENCHMARK_MAIN();
