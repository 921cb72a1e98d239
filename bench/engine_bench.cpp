// Speed and memory of the project file and the stiffness engine on generated buildings of
// 10 × 10 × 10, 30 × 30 × 30, 60 × 60 × 60 and 100 × 100 × 99 (grid lines × grid lines ×
// storeys), every column and beam present. See README.md for how to run it and the figures.
//
// The benchmarks of one building run in the order of the analysis and share its state: Save
// writes the project file that Open reads, "Calcola Matrici" leaves the results from which each
// stage is then run again on its own, the family assignment (F = 5 in both directions) feeds the
// centres; the torsional regularity and the modes are computed from the global matrix; the
// calculation report of the building with its five families is written last. Every
// benchmark reports peak_rss_MB, the largest resident size of the process so far (getrusage), so
// the figure after the largest building is the peak of the whole run.

#include "calculation.h"
#include "calculation_report.h"
#include "families.h"
#include "generated_buildings.h"
#include "global_stiffness.h"
#include "literal_condensation.h"
#include "project_file.h"
#include "ritto_condensation.h"
#include "ritto_elements.h"
#include "seismic_response.h"
#include "stiffness_centres.h"
#include "vibration_modes.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <sys/resource.h>
#include <thread>
#include <vector>

namespace orvanta {
namespace {

// Answers Yes to every question and counts the messages: a generated building shows none.
class CountingAsker : public Asker {
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
    return static_cast<double>(usage.ru_maxrss) / 1024.0; // kilobytes on Linux
}

// The building being measured, its project file and its results. Only one building is held at
// a time, so the peak memory of the largest one is not inflated by the others.
struct Workbench {
    int nX = 0, nY = 0, storeys = 0;
    Model model;
    AnalysisResults results;
    std::filesystem::path file;

    void prepare(int x, int y, int z) {
        if (x == nX && y == nY && z == storeys)
            return;
        model = Model{};
        results = AnalysisResults{};
        model = testing::regularBuilding(static_cast<std::int16_t>(x), static_cast<std::int16_t>(y),
                                         static_cast<std::int16_t>(z));
        nX = x, nY = y, storeys = z;
        const std::filesystem::path folder =
            std::filesystem::temp_directory_path() / "orvanta-bench";
        std::filesystem::create_directories(folder);
        file = folder / ("edificio-" + std::to_string(x) + "x" + std::to_string(y) + "x" +
                         std::to_string(z) + ".orv");
    }

    ~Workbench() {
        if (!file.empty())
            std::filesystem::remove_all(file.parent_path());
    }
};

Workbench& bench() {
    static Workbench instance;
    return instance;
}

void prepare(const benchmark::State& state) {
    bench().prepare(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)),
                    static_cast<int>(state.range(2)));
}

void finish(benchmark::State& state) {
    state.counters["peak_rss_MB"] = peakResidentMegabytes();
    state.counters["ritti"] = static_cast<double>(2 * bench().model.sizes().nodes);
}

void ensureResults() {
    Workbench& w = bench();
    if (w.results.globalStiffness.empty()) {
        CountingAsker asker;
        runCalculation(w.model, w.results, asker);
    }
}

void BM_Save(benchmark::State& state) {
    prepare(state);
    for (auto _ : state) {
        const std::string error = writeProjectFile(bench().model, bench().file.string());
        if (!error.empty())
            state.SkipWithError(error.c_str());
    }
    state.counters["file_MB"] =
        static_cast<double>(std::filesystem::file_size(bench().file)) / (1024.0 * 1024.0);
    finish(state);
}

void BM_Open(benchmark::State& state) {
    prepare(state);
    for (auto _ : state) {
        ProjectReadResult read = readProjectFile(bench().file.string());
        if (!read.model)
            state.SkipWithError(read.error.c_str());
        benchmark::DoNotOptimize(read.model);
    }
    finish(state);
}

// L: the best time, over three tries, to provide and write as many bytes as the results take,
// through the provision the large arrays use (huge pages or pages populated at mapping,
// whichever this machine gives faster).
double provisionSeconds(std::size_t bytes) {
    double best = 1e9;
    for (int attempt = 0; attempt < 3; ++attempt) {
        const auto start = std::chrono::steady_clock::now();
        void* block = detail::allocateLarge(bytes);
        std::memset(block, 1, bytes);
        benchmark::DoNotOptimize(block);
        detail::freeLarge(block, bytes);
        best = std::min(
            best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    return best;
}

// C: the production condensation of every ritto of both directions on one core, into a scratch
// block that stays in cache, divided by the cores.
double condensationSeconds(const AnalysisResults& r, int storeys) {
    detail::RittoCondenser condenser(storeys);
    std::vector<double> out(static_cast<std::size_t>(storeys * storeys));
    const auto start = std::chrono::steady_clock::now();
    for (const Direction d : bothDirections) {
        for (int i = 1; i <= static_cast<int>(r.ritStoreys.size()); ++i) {
            if (r.ritStoreys(i) > 0)
                condenser.condense(r[d].ritElements.block(i).data(), r.ritStoreys(i), out.data(),
                                   storeys);
        }
    }
    benchmark::DoNotOptimize(out.data());
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return seconds / std::max(1u, std::thread::hardware_concurrency());
}

// "Calcola Matrici", beside its floor L + C: first_ms is the first run (arrays provided anew),
// the time column the mean with the later runs, which reuse the arrays of the first.
void BM_RunCalculation(benchmark::State& state) {
    prepare(state);
    CountingAsker asker;
    // L is measured with no results held, so that it does not add to the peak memory: the bytes
    // of the element tables, both sets of ritto matrices and the global matrix.
    bench().results = AnalysisResults{};
    const DerivedSizes sizes = bench().model.sizes();
    const auto storeys = static_cast<std::size_t>(bench().storeys);
    const std::size_t bytes =
        sizeof(double) * (2 * static_cast<std::size_t>(sizes.nodes) * storeys * (15 + storeys) +
                          9 * storeys * storeys);
    const double provision = provisionSeconds(bytes);
    double first = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        runCalculation(bench().model, bench().results, asker);
        if (first == 0)
            first = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    if (asker.messages != 0)
        state.SkipWithError("the calculation showed a message");
    const double floor = provision + condensationSeconds(bench().results, bench().storeys);
    state.counters["first_ms"] = first * 1e3;
    state.counters["floor_ms"] = floor * 1e3;
    state.counters["first_to_floor"] = first / floor;
    state.counters["results_MB"] = static_cast<double>(bytes) / (1 << 20);
    state.counters["huge_pages"] = detail::largeBlocksUseHugePages() ? 1 : 0;
    finish(state);
}

template <bool (*Stage)(const Model&, AnalysisResults&, Asker&)>
void BM_Stage(benchmark::State& state) {
    prepare(state);
    ensureResults();
    CountingAsker asker;
    for (auto _ : state)
        Stage(bench().model, bench().results, asker);
    finish(state);
}

void BM_AssignFiveFamilies(benchmark::State& state) {
    prepare(state);
    ensureResults();
    Workbench& w = bench();
    CountingAsker asker;
    for (auto _ : state) {
        for (const Direction d : bothDirections) {
            setFamilyCount(w.model, w.results, d, 5, asker);
            if (!assignFamilies(w.model, w.results, d, 5, asker))
                state.SkipWithError("no families assigned");
        }
    }
    finish(state);
}

void BM_StiffnessCentres(benchmark::State& state) {
    prepare(state);
    ensureResults();
    for (auto _ : state)
        computeStiffnessCentres(bench().model, bench().results);
    finish(state);
}

// Torsional regularity and vibration modes from the global matrix (3·storeys freedoms).
void BM_SeismicResponse(benchmark::State& state) {
    prepare(state);
    ensureResults();
    CountingAsker asker;
    for (auto _ : state) {
        const SeismicResults seismic = computeSeismicResponse(
            bench().model, bench().results.globalStiffness, defaultConcreteClass, asker);
        if (!seismic.hasModes())
            state.SkipWithError("no modes computed");
        benchmark::DoNotOptimize(seismic.modes.data());
    }
    if (asker.messages != 0)
        state.SkipWithError("the seismic response showed a message");
    finish(state);
}

// The calculation report, as "Stampa PDF" writes it: the centres and the seismic response
// computed again, every page and the appendix of what the pages cut short.
void BM_Report(benchmark::State& state) {
    prepare(state);
    ensureResults();
    const std::filesystem::path pdf = bench().file.parent_path() / "relazione.pdf";
    ReportRequest request;
    request.fields = {"Edificio generato", "Perugia", "Ing. Niccolò D’Angelo", "Committente",
                      "08/12/2026"};
    ReportOutcome outcome;
    for (auto _ : state) {
        outcome = writeCalculationReport(pdf.string(), bench().model, bench().results, request);
        if (!outcome.written)
            state.SkipWithError(outcome.error.c_str());
    }
    state.counters["pages"] = outcome.pages;
    state.counters["file_MB"] =
        static_cast<double>(std::filesystem::file_size(pdf)) / (1024.0 * 1024.0);
    finish(state);
}

// Production and literal condensation of the same sample of ritti (every `step`-th ritto
// orthogonal to X), timed in the same run. Reports the time per ritto of each and their ratio.
void BM_CondensationAgainstLiteral(benchmark::State& state) {
    prepare(state);
    ensureResults();
    const Workbench& w = bench();
    const int storeys = w.model.counts.nStoreys;
    const int nodes = static_cast<int>(w.results.ritStoreys.size());
    const int step = std::max(1, nodes / static_cast<int>(state.range(3)));
    std::vector<int> sample;
    for (int i = 1; i <= nodes; i += step) {
        if (w.results.ritStoreys(i) > 0)
            sample.push_back(i);
    }
    detail::RittoCondenser condenser(storeys);
    std::vector<double> out(static_cast<std::size_t>(storeys * storeys));
    std::vector<double> literal;
    using Clock = std::chrono::steady_clock;
    double productionSeconds = 0, literalSeconds = 0;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        for (const int i : sample)
            condenser.condense(w.results[Direction::orthogonalToX].ritElements.block(i).data(),
                               w.results.ritStoreys(i), out.data(), storeys);
        const auto t1 = Clock::now();
        for (const int i : sample)
            testing::literalCondensation(w.results[Direction::orthogonalToX].ritElements, i,
                                         w.results.ritStoreys(i), literal);
        const auto t2 = Clock::now();
        productionSeconds += std::chrono::duration<double>(t1 - t0).count();
        literalSeconds += std::chrono::duration<double>(t2 - t1).count();
        benchmark::DoNotOptimize(out.data());
        benchmark::DoNotOptimize(literal.data());
    }
    // The two agree on every ritto of the sample (1e-10 of the largest term).
    for (const int i : sample) {
        const int n = w.results.ritStoreys(i);
        condenser.condense(w.results[Direction::orthogonalToX].ritElements.block(i).data(), n, out.data(),
                           storeys);
        testing::literalCondensation(w.results[Direction::orthogonalToX].ritElements, i, n, literal);
        double largest = 0, difference = 0;
        for (int r = 0; r < n; ++r) {
            for (int c = 0; c < n; ++c) {
                const double expected = literal[static_cast<std::size_t>(r * n + c)];
                largest = std::max(largest, std::fabs(expected));
                difference =
                    std::max(difference,
                             std::fabs(expected - out[static_cast<std::size_t>(r * storeys + c)]));
            }
        }
        if (difference > 1e-10 * largest)
            state.SkipWithError("the condensation disagrees with the literal elimination");
    }
    const double perRitto = static_cast<double>(state.iterations() * sample.size());
    state.counters["production_us_per_ritto"] = productionSeconds / perRitto * 1e6;
    state.counters["literal_us_per_ritto"] = literalSeconds / perRitto * 1e6;
    state.counters["speedup"] = literalSeconds / productionSeconds;
    state.counters["sample"] = static_cast<double>(sample.size());
    finish(state);
}

bool computeRittiOrthogonalToX(const Model& m, AnalysisResults& r, Asker& asker) {
    return computeRitMatrices(m, r, Direction::orthogonalToX, asker);
}

bool computeRittiOrthogonalToY(const Model& m, AnalysisResults& r, Asker& asker) {
    return computeRitMatrices(m, r, Direction::orthogonalToY, asker);
}

// The benchmarks of one building, in the order of the analysis.
void registerBuilding(int x, int y, int z, int iterations) {
    const std::vector<std::int64_t> size = {x, y, z};
    const auto add = [&](const char* name, void (*function)(benchmark::State&)) {
        benchmark::RegisterBenchmark(name, function)
            ->Args(size)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(iterations);
    };
    add("Save", BM_Save);
    add("Open", BM_Open);
    add("RunCalculation", BM_RunCalculation);
    add("BuildRitElements", BM_Stage<buildRitElements>);
    add("ComputeRitMatricesX", BM_Stage<computeRittiOrthogonalToX>);
    add("ComputeRitMatricesY", BM_Stage<computeRittiOrthogonalToY>);
    add("AssembleGlobalStiffness", BM_Stage<assembleGlobalStiffness>);
    add("AssignFiveFamilies", BM_AssignFiveFamilies);
    add("ComputeStiffnessCentres", BM_StiffnessCentres);
    add("SeismicResponse", BM_SeismicResponse);
    add("Report", BM_Report);
}

} // namespace
} // namespace orvanta

int main(int argc, char** argv) {
    using namespace orvanta;
    registerBuilding(10, 10, 10, 20);
    registerBuilding(30, 30, 30, 5);
    registerBuilding(60, 60, 60, 3);
    registerBuilding(100, 100, 99, 3);
    // About 100 ritti of the largest building, both eliminations.
    benchmark::RegisterBenchmark("CondensationAgainstLiteral", BM_CondensationAgainstLiteral)
        ->Args({100, 100, 99, 100})
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
