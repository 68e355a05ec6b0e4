// Builds a synthetic site through the real constructors: the library beside the
// program, a site with two viewports, pages created as the document creates them
// and blocks attached as the design view attaches them.
// Arguments of each run: pages, objects per page.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "core/library/ConfigLoader.h"
#include "core/model/TsObject.h"
#include "core/services/Prompt.h"

namespace {

const char* const kTwoViewports =
    "[{\"name\":\"Mobile Phone\", \"media-min-width\":\"0px\", \"media-max-width\":\"480px\", "
    "\"page-width\":\"100%\", \"enable\":\"yes\"}, "
    "{\"name\":\"Tablet\", \"media-min-width\":\"481px\", \"media-max-width\":\"1024px\", "
    "\"page-width\":\"90%\", \"enable\":\"yes\"}]";

// The object types the site is made of, in turn.
const char* const kTypes[] = {"Block", "Container", "Block", "PageWidthBlock"};

std::unique_ptr<CTsObject> BuildSite(int pages, int objectsPerPage) {
    auto site = std::make_unique<CTsObject>();
    site->SetProperty("viewport", std::string(kTwoViewports));
    for (int p = 0; p < pages; ++p) {
        CTsObject* page = site->children[site->CreatePage()];
        for (int i = 0; i < objectsPerPage; ++i) {
            CTsObject* object = new CTsObject(page, kTypes[i % 4]);
            page->AppendChild(object);
        }
    }
    return site;
}

void BM_BuildSite(benchmark::State& state) {
    const int pages = static_cast<int>(state.range(0));
    const int objectsPerPage = static_cast<int>(state.range(1));
    for (auto _ : state) {
        std::unique_ptr<CTsObject> site = BuildSite(pages, objectsPerPage);
        benchmark::DoNotOptimize(site.get());
        state.PauseTiming();
        site.reset();
        state.ResumeTiming();
    }
    state.counters["objects"] = pages * objectsPerPage;
}

// The same objects constructed under their pages but left detached (as a copy or
// an insertion is before AppendChild): instantiation, the name check against a
// site that holds only the pages, and the viewport lists, without attaching.
void BM_ConstructDetached(benchmark::State& state) {
    const int pages = static_cast<int>(state.range(0));
    const int objectsPerPage = static_cast<int>(state.range(1));
    for (auto _ : state) {
        std::unique_ptr<CTsObject> site = BuildSite(pages, 0);
        std::vector<CTsObject*> objects;
        objects.reserve(static_cast<size_t>(pages) * objectsPerPage);
        for (CTsObject* page : site->children)
            for (int i = 0; i < objectsPerPage; ++i) objects.push_back(new CTsObject(page, kTypes[i % 4]));
        benchmark::DoNotOptimize(objects.data());
        state.PauseTiming();
        for (CTsObject* object : objects) object->Release();
        site.reset();
        state.ResumeTiming();
    }
    state.counters["objects"] = pages * objectsPerPage;
}

BENCHMARK(BM_BuildSite)->Args({10, 100})->Args({100, 100})->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_ConstructDetached)->Args({100, 100})->Unit(benchmark::kMillisecond)->Iterations(1);

// Messages would only disturb the figures; the library is expected to load cleanly.
class CCountingPrompt : public IPrompt {
public:
    void ShowMessage(const std::string& text, const std::string&) override {
        ++messages;
        last = text;
    }
    PromptAnswer AskYesNo(const std::string&, const std::string&) override { return PromptAnswer::No; }
    PromptAnswer AskOkCancel(const std::string&, const std::string&) override { return PromptAnswer::Cancel; }
    int messages = 0;
    std::string last;
};

}  // namespace

int main(int argc, char** argv) {
    CCountingPrompt prompt;
    SetPrompt(&prompt);
    ConfigLoader().Load();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    SetPrompt(nullptr);
    if (prompt.messages > 0) {
        std::fprintf(stderr, "%d messages, the last: %s\n", prompt.messages, prompt.last.c_str());
        return 1;
    }
    return 0;
}
