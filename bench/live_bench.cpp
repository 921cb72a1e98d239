// How fast the live analysis brings the results up to date after one edit, against a full
// "Calcola Matrici" measured in the same run. See README.md for how to run it and the figures.
//
// On each building: "Calcola Matrici" (the element tables, both condensations and the global
// matrix, reusing the arrays of an earlier run as a second press of the menu item does), then
// five families in each direction, then two edits, each timed from the change of the model to
// results equal to a full calculation's: one column section (its two ritti condensed again, the
// global matrix, the centres of the five families, the regularity of every storey), and one
// slab load (the loads distributed again, the global matrix summed again, the regularity). Each
// edit alternates between two values, so that every iteration changes the model.

#include "calculation.h"
#include "element_records.h"
#include "families.h"
#include "generated_buildings.h"
#include "live_analysis.h"
#include "load_distribution.h"
#include "numbering.h"
#include "project_file.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>
#include <string>
#include <sys/resource.h>

namespace orvanta {
namespace {

class QuietAsker : public Asker {
public:
    Answer ask(const Message& message) override {
        ++messages;
        return message.buttons == MessageButtons::YesNo ? Answer::Yes : Answer::Ok;
    }
    int messages = 0;
};

double peakResidentMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The building being measured with its live analysis; one at a time.
struct Workbench {
    std::string name;
    Model model;
    LiveAnalysis live;
    AnalysisResults results;
    double fullSeconds = 0; // "Calcola Matrici", mean of two runs on provided arrays
    QuietAsker asker;

    void prepare(const std::string& building, Model source) {
        if (building == name)
            return;
        live = LiveAnalysis{};
        results = AnalysisResults{};
        model = std::move(source);
        name = building;
        live.calculate(model, results, asker); // provides the arrays
        // "Calcola Matrici" as a second press of the menu item runs it.
        double total = 0;
        for (int run = 0; run < 2; ++run) {
            const auto start = Clock::now();
            runCalculation(model, results, asker);
            total += secondsSince(start);
        }
        fullSeconds = total / 2;
        live.calculate(model, results, asker);
        ModelChange families;
        families.familiesX = families.familiesY = true;
        for (const Direction d : bothDirections) {
            setFamilyCount(model, results, d, 5, asker);
            assignFamilies(model, results, d, 5, asker);
        }
        live.update(model, results, families, asker);
    }
};

Workbench& bench() {
    static Workbench instance;
    return instance;
}

void prepareGenerated(const benchmark::State& state) {
    const auto x = static_cast<std::int16_t>(state.range(0));
    const auto y = static_cast<std::int16_t>(state.range(1));
    const auto z = static_cast<std::int16_t>(state.range(2));
    const std::string name = std::to_string(x) + "x" + std::to_string(y) + "x" + std::to_string(z);
    if (bench().name != name)
        bench().prepare(name, testing::regularBuilding(x, y, z));
}

void finish(benchmark::State& state, double seconds) {
    const double mean = seconds / static_cast<double>(state.iterations());
    state.counters["full_ms"] = bench().fullSeconds * 1e3;
    state.counters["share_of_full"] = mean / bench().fullSeconds;
    state.counters["peak_rss_MB"] = peakResidentMegabytes();
    const LiveAnalysis::Statistics s = bench().live.statistics();
    state.counters["full_runs"] = s.fullCalculations;
    state.counters["global_resums"] = s.globalResums;
    state.counters["storeys_reassembled"] = s.storeysReassembled;
    if (bench().asker.messages != 0)
        state.SkipWithError("the analysis showed a message");
}

// A column in the middle of the plan at mid-height, its section alternating.
void columnSectionChange(benchmark::State& state) {
    Workbench& w = bench();
    const Counts& c = w.model.counts;
    const int storey = (c.nStoreys + 1) / 2;
    const int slot = numbering::gridNode(c, (c.nX + 1) / 2 - 1, (c.nY + 1) / 2 - 1);
    const double sides[] = {w.model.members(storey, slot, member::base) + 50,
                            w.model.members(storey, slot, member::base)};
    double seconds = 0;
    int k = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        w.model.members(storey, slot, member::base) = sides[k++ % 2];
        ModelChange change;
        change.members.push_back({storey, slot});
        if (w.live.update(w.model, w.results, change, w.asker) != LiveUpdate::incremental)
            state.SkipWithError("the section change was not incremental");
        seconds += secondsSince(start);
        state.SetIterationTime(secondsSince(start));
    }
    finish(state, seconds);
}

void BM_ColumnSection(benchmark::State& state) {
    prepareGenerated(state);
    columnSectionChange(state);
}

// The slab of a bay in the middle of the top storey, its permanent load alternating.
void BM_SlabLoad(benchmark::State& state) {
    prepareGenerated(state);
    Workbench& w = bench();
    const Counts& c = w.model.counts;
    const int bay = numbering::bay(c, (c.nX - 1) / 2, (c.nY - 1) / 2);
    const double loads[] = {0.007, w.model.slabs(c.nStoreys, bay, slab::permanent)};
    double seconds = 0;
    int k = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        w.model.slabs(c.nStoreys, bay, slab::permanent) = loads[k++ % 2];
        ModelChange change;
        change.slabs.push_back({c.nStoreys, bay});
        change.loadResults = distributeLoads(w.model, w.asker);
        if (w.live.update(w.model, w.results, change, w.asker) != LiveUpdate::reassembled)
            state.SkipWithError("the load change was not a reassembly");
        seconds += secondsSince(start);
        state.SetIterationTime(secondsSince(start));
    }
    finish(state, seconds);
}

// A column section of the bundled four-storey example.
void BM_ExampleColumnSection(benchmark::State& state) {
    if (bench().name != "palazzina") {
        ProjectReadResult read =
            readProjectFile(std::string(ORVANTA_EXAMPLES_DIR) + "/palazzina-4-piani.orv");
        if (!read.model) {
            state.SkipWithError(read.error.c_str());
            return;
        }
        bench().prepare("palazzina", std::move(*read.model));
    }
    columnSectionChange(state);
}

void add(const char* name, void (*function)(benchmark::State&), std::vector<std::int64_t> size,
         int iterations) {
    benchmark::RegisterBenchmark(name, function)
        ->Args(size)
        ->Unit(benchmark::kMillisecond)
        ->UseManualTime()
        ->Iterations(iterations);
}

} // namespace
} // namespace orvanta

int main(int argc, char** argv) {
    using namespace orvanta;
    add("ExampleColumnSection", BM_ExampleColumnSection, {0, 0, 0}, 200);
    for (const std::vector<std::int64_t>& size :
         {std::vector<std::int64_t>{10, 10, 10}, {30, 30, 30}, {100, 100, 99}}) {
        add("ColumnSection", BM_ColumnSection, size, 20);
        add("SlabLoad", BM_SlabLoad, size, 5);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
