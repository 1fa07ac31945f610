// How long the slide-show editor takes to open a large slide list, on the headless
// toolkit, against the floor of the same run: four bare list boxes filled with as many
// rows, without the editor's work (name shortening, the working list, handlers).
//
//   build/native/bench/editor_bench [--slides=N]
//
// Prints Google Benchmark's table and then one summary line per list size: the
// editor's opening time, the floor, their ratio and the one-second budget.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "support/scoped_services.h"
#include "support/settings_fixture.h"
#include "settings/app_settings.h"
#include "settings/shared_state.h"
#include "toolkit/application.h"
#include "toolkit/controls.h"
#include "toolkit/headless/headless_backend.h"
#include "ui/editor/slide_show_editor.h"
#include "ui/unconfirmed_changes.h"

namespace {

using qs::AppSettings;

// Paths as a photo collection has them; one in ten is too long for the name column,
// so the shortening rule does real work on those.
std::string SlidePath(int i) {
    std::string path = "C:\\Users\\Photos\\" + std::to_string(2000 + i % 20) + "\\Album " + std::to_string(i % 97) +
                       "\\IMG_" + std::to_string(10000 + i) + ".jpg";
    const std::string longer = "D:\\Archive\\Scanned family pictures from the attic, sorted by decade\\1970-1979\\";
    return i % 10 ? path : longer + "Summer holidays at the lake\\" + path.substr(3);
}

// n slides in settings held in memory: nothing is read from or written to a real file.
struct Environment {
    explicit Environment(int n) {
        qs::test::ResetSharedState();
        qs::tk::SetBackend(std::make_unique<qs::tk::headless::HeadlessBackend>());
        AppSettings().setDisplayWarnings(true);
        AppSettings().setPictureCount(0);
        for (int i = 1; i <= n; ++i) {
            AppSettings().setFileSpec(i, SlidePath(i));
            AppSettings().setCenter(i, i % 2 == 0);
            AppSettings().setHStretch(i, i % 3 == 0);
            AppSettings().setVStretch(i, i % 5 == 0);
        }
    }
    ~Environment() { qs::DiscardSettings = true; }
    qs::test::ScopedServices os;
};

// Times `open` (a loaded form holding n rows), then unloads the form untimed.
template <typename Open>
void TimeOpening(benchmark::State& state, Open open) {
    const int n = static_cast<int>(state.range(0));
    Environment env(n);
    for (auto _ : state) {
        std::unique_ptr<qs::tk::Form> form = open(n);
        state.PauseTiming();
        form->Unload();
        form.reset();
        state.ResumeTiming();
    }
    state.counters["rows/s"] =
        benchmark::Counter(static_cast<double>(n), benchmark::Counter::kIsIterationInvariantRate);
}

// The editor from its creation to the end of Form_Load, as the settings dialog's
// "Edit Slides..." button runs it.
void BM_EditorOpen(benchmark::State& state) {
    qs::ui::UnconfirmedChanges changes;
    TimeOpening(state, [&](int n) {
        auto editor = std::make_unique<qs::ui::SlideShowEditor>(changes);
        editor->Load();
        if (editor->nameList.ListCount() != n) state.SkipWithError("the editor did not load every slide");
        return editor;
    });
}

// The floor: the same rows in four bare check-style list boxes of a loaded form.
struct FourLists : qs::tk::Form {
    FourLists() : Form("FourLists") {}
    qs::tk::ListBox names{*this, "names", 0, 480, 6135, 2535, true}, center{*this, "c0", 0, 0, 1935, 2535, true},
        hStretch{*this, "c1", 0, 0, 1935, 2535, true}, vStretch{*this, "c2", 0, 0, 1935, 2535, true};
};

void BM_FourListsFloor(benchmark::State& state) {
    TimeOpening(state, [](int n) {
        auto form = std::make_unique<FourLists>();
        form->Load();
        for (int i = 1, row = 0; i <= n; ++i, ++row) {
            auto& s = AppSettings();
            for (auto [list, on] : {std::pair{&form->center, s.center(i)}, {&form->hStretch, s.hStretch(i)},
                                    {&form->vStretch, s.vStretch(i)}}) {
                list->AddItem("", row);
                if (on) list->setSelected(row, true);
            }
            form->names.AddItem(s.fileSpec(i), row);
            form->names.setItemData(row, i);
        }
        return form;
    });
}

// Keeps the console table and remembers each run's mean time per iteration.
struct SummaryReporter : benchmark::ConsoleReporter {
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
        if (std::strncmp(argv[i], "--slides=", 9) == 0) slides = std::max(1, std::atoi(argv[i] + 9));
        else args.push_back(argv[i]);
    }
    for (int n : {1000, slides})
        for (auto [name, bench] : {std::pair{"EditorOpen", &BM_EditorOpen}, {"FourListsFloor", &BM_FourListsFloor}})
            benchmark::RegisterBenchmark(name, bench)->Arg(n)->Unit(benchmark::kMillisecond)->UseRealTime();
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    for (int n : {1000, slides}) {
        const std::string suffix = "/" + std::to_string(n) + "/real_time";
        const double editor = reporter.ms["EditorOpen" + suffix], floor = reporter.ms["FourListsFloor" + suffix];
        if (editor > 0 && floor > 0)
            std::printf("editor opens %d slides in %.1f ms; four bare lists take %.1f ms (x%.2f); budget 1000 ms: %s\n",
                        n, editor, floor, editor / floor, editor < 1000.0 ? "within" : "OVER");
    }
    benchmark::Shutdown();
    return 0;
}
