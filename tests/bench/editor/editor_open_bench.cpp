// How long the slide-show editor takes to open a large slide list, on the headless
// toolkit, against the floor of the same run: four bare list boxes filled with as many
// rows, without the editor's work (name shortening, the working list, handlers).
//
//   build/native/tests/bench/editor_bench [--slides=N]
//
// Prints Google Benchmark's table and then one summary line per list size: the
// editor's opening time, the floor, their ratio and the one-second budget.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "support/scoped_services.h"
#include "support/settings_memory_profile.h"
#include "settings/app_settings.h"
#include "settings/shared_state.h"
#include "toolkit/application.h"
#include "toolkit/controls.h"
#include "toolkit/headless/headless_backend.h"
#include "ui/editor/slide_show_editor.h"
#include "ui/unconfirmed_changes.h"

namespace {

using qs::AppSettings;
using qs::ClsSettings;

// Paths as a photo collection has them; one in ten is too long for the name column,
// so the shortening rule does real work on those.
std::string SlidePath(int i) {
    std::string path = "C:\\Users\\Photos\\" + std::to_string(2000 + i % 20) + "\\Album " + std::to_string(i % 97) +
                       "\\IMG_" + std::to_string(10000 + i) + ".jpg";
    if (i % 10 == 0)
        path = "D:\\Archive\\Scanned family pictures from the attic, sorted by decade\\1970-1979\\Summer holidays "
               "at the lake\\" +
               path.substr(3);
    return path;
}

void GiveSlides(int n) {
    ClsSettings& settings = AppSettings();
    settings.setPictureCount(0);
    for (int i = 1; i <= n; ++i) {
        settings.setFileSpec(i, SlidePath(i));
        settings.setCenter(i, i % 2 == 0);
        settings.setHStretch(i, i % 3 == 0);
        settings.setVStretch(i, i % 5 == 0);
    }
}

struct Environment {
    Environment() {
        os.UseProfile(&profile);
        qs::ResetSharedState();
        qs::tk::SetBackend(std::make_unique<qs::tk::headless::HeadlessBackend>());
        AppSettings().setDisplayWarnings(true);
    }
    ~Environment() { qs::DiscardSettings = true; }
    qs::test::ScopedServices os;
    // Nothing is read from or written to a real settings file.
    qs::test::MemoryProfileFile profile;
};

// The editor from its creation to the end of Form_Load, as the settings dialog's
// "Edit Slides..." button runs it; closing is not timed.
void BM_EditorOpen(benchmark::State& state) {
    Environment env;
    const int n = static_cast<int>(state.range(0));
    GiveSlides(n);
    for (auto _ : state) {
        qs::ui::UnconfirmedChanges changes;
        auto editor = std::make_unique<qs::ui::SlideShowEditor>(changes);
        editor->Load();
        benchmark::DoNotOptimize(editor->nameList.ListCount());
        state.PauseTiming();
        if (editor->nameList.ListCount() != n) state.SkipWithError("the editor did not load every slide");
        editor->Unload();
        editor.reset();
        state.ResumeTiming();
    }
    state.counters["rows/s"] = benchmark::Counter(static_cast<double>(n), benchmark::Counter::kIsIterationInvariantRate);
}

// The floor: the same rows in four bare check-style list boxes of a loaded form.
class FourLists : public qs::tk::Form {
public:
    FourLists()
        : Form("FourLists"),
          names(*this, "names", 0, 480, 6135, 2535, true),
          c0(*this, "c0", 0, 0, 1935, 2535, true),
          c1(*this, "c1", 0, 0, 1935, 2535, true),
          c2(*this, "c2", 0, 0, 1935, 2535, true) {}
    qs::tk::ListBox names, c0, c1, c2;
};

void BM_FourListsFloor(benchmark::State& state) {
    Environment env;
    const int n = static_cast<int>(state.range(0));
    GiveSlides(n);
    ClsSettings& settings = AppSettings();
    for (auto _ : state) {
        auto form = std::make_unique<FourLists>();
        form->Load();
        for (int i = 1; i <= n; ++i) {
            const int row = i - 1;
            form->c0.AddItem("", row);
            if (settings.center(i)) form->c0.setSelected(row, true);
            form->c1.AddItem("", row);
            if (settings.hStretch(i)) form->c1.setSelected(row, true);
            form->c2.AddItem("", row);
            if (settings.vStretch(i)) form->c2.setSelected(row, true);
            form->names.AddItem(settings.fileSpec(i), row);
            form->names.setItemData(row, i);
        }
        benchmark::DoNotOptimize(form->names.ListCount());
        state.PauseTiming();
        form->Unload();
        form.reset();
        state.ResumeTiming();
    }
    state.counters["rows/s"] = benchmark::Counter(static_cast<double>(n), benchmark::Counter::kIsIterationInvariantRate);
}

// Keeps the console table and remembers each run's mean time per iteration.
class SummaryReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (!run.error_occurred && run.run_type == Run::RT_Iteration)
                ms[run.benchmark_name()] = run.GetAdjustedRealTime() * 1e3 /
                                           benchmark::GetTimeUnitMultiplier(run.time_unit);
    }
    std::map<std::string, double> ms;
};

} // namespace

int main(int argc, char** argv) {
    int slides = 10000;
    std::vector<char*> args;
    for (int i = 0; i < argc; ++i) {
        if (std::strncmp(argv[i], "--slides=", 9) == 0)
            slides = std::max(1, std::atoi(argv[i] + 9));
        else
            args.push_back(argv[i]);
    }
    const std::vector<int> sizes = {1000, slides};
    for (int n : sizes) {
        benchmark::RegisterBenchmark("EditorOpen", BM_EditorOpen)->Arg(n)->Unit(benchmark::kMillisecond)->UseRealTime();
        benchmark::RegisterBenchmark("FourListsFloor", BM_FourListsFloor)
            ->Arg(n)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
    }
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    for (int n : sizes) {
        const std::string suffix = "/" + std::to_string(n) + "/real_time";
        const auto editor = reporter.ms.find("EditorOpen" + suffix);
        const auto floor = reporter.ms.find("FourListsFloor" + suffix);
        if (editor == reporter.ms.end() || floor == reporter.ms.end()) continue;
        std::printf("editor opens %d slides in %.1f ms; four bare lists take %.1f ms (x%.2f); budget 1000 ms: %s\n", n,
                    editor->second, floor->second, editor->second / floor->second,
                    editor->second < 1000.0 ? "within" : "OVER");
    }
    benchmark::Shutdown();
    return 0;
}
