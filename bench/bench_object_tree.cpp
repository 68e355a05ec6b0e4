// Building, naming and copying a large site in memory: 100 pages of 100 objects,
// two viewports, 30 properties per object (8 of them per viewport), as an
// instantiation that copies a prepared property map would make them.
#include <benchmark/benchmark.h>

#include "core/model/ModelHooks.h"
#include "core/model/TsObject.h"

namespace {

const char* const kViewports =
    "[{\"name\":\"Phone\",\"media-max-width\":\"480px\",\"page-width\":\"320px\",\"enable\":\"yes\"},"
    "{\"name\":\"Tablet\",\"media-max-width\":\"768px\",\"page-width\":\"720px\",\"enable\":\"yes\"}]";

CTsProperty Property(const std::string& name, const std::string& type, const std::string& value,
                     bool multiViewport) {
    CPropertyDefinition definition;
    definition.name = name;
    definition.type = type;
    definition.groupName = "layout";
    definition.description = "A property as a widget definition describes it.";
    definition.options = {"one", "two", "three"};
    definition.defaultValue = value;
    definition.supportMultiViewport = multiViewport ? "true" : "";
    return CTsProperty::FromDefinition(definition);
}

void InstallPrototypes() {
    static CPropertyMap prototype = [] {
        CPropertyMap map;
        for (int i = 0; i < 30; ++i) {
            map.SetOwn("prop" + std::to_string(i),
                       Property("prop" + std::to_string(i), i % 3 ? "String" : "Int", "10px", i < 8));
        }
        return map;
    }();
    SetInstantiateHook([](CTsObject& object, const std::string& type) {
        object.properties = prototype;
        InstantiateNameOnly(object, type);
        if (object.IsSite()) object.properties.SetOwn("viewport", Property("viewport", "String", kViewports, false));
        if (object.IsPage()) object.properties.SetOwn("page-width", Property("page-width", "String", "960px", false));
    });
}

CTsObject* BuildSite(int pages, int objectsPerPage) {
    CTsObject* site = new CTsObject();
    for (int p = 0; p < pages; ++p) {
        CTsObject* page = site->children[site->CreatePage()];
        for (int i = 0; i < objectsPerPage; ++i) page->AppendChild(new CTsObject(page, i % 2 ? "Text" : "_Basic_Button"));
    }
    return site;
}

void BM_BuildSite(benchmark::State& state) {
    InstallPrototypes();
    for (auto _ : state) {
        CTsObject* site = BuildSite(100, 100);
        benchmark::DoNotOptimize(site);
        state.PauseTiming();
        delete site;
        state.ResumeTiming();
    }
    SetInstantiateHook(nullptr);
}
BENCHMARK(BM_BuildSite)->Unit(benchmark::kMillisecond);

void BM_ClonePage(benchmark::State& state) {
    InstallPrototypes();
    CTsObject* site = BuildSite(100, 100);
    for (auto _ : state) {
        CTsObject* copy = site->children[0]->Clone();
        site->AppendChild(copy);
        state.PauseTiming();
        site->RemoveChild(copy);
        copy->Release();
        state.ResumeTiming();
    }
    delete site;
    SetInstantiateHook(nullptr);
}
BENCHMARK(BM_ClonePage)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
