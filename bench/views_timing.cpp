// views_timing: how long each result view takes to open on the largest building the program
// accepts, 100 × 100 grid lines and 99 storeys (10 000 columns a storey, 20 000 ritti), every
// column and beam present (tests/support/generated_buildings.cpp).
//
//   QT_QPA_PLATFORM=offscreen build/bench/views_timing
//
// Each figure is the wall time from the window's construction to its first complete paint
// (grab), as the user waits for it after choosing the menu item; the centres view includes the
// recomputation of the centres that runs before it opens. See README.md for the last run.

#include "calculation.h"
#include "centres_window.h"
#include "child_host.h"
#include "drawing_painter.h"
#include "elevation_window.h"
#include "families.h"
#include "family_window.h"
#include "generated_buildings.h"
#include "matrix_window.h"
#include "plan_view.h"
#include "regularity_window.h"
#include "scripted_interaction.h"
#include "stiffness_centres.h"

#include <QApplication>
#include <QPushButton>
#include <chrono>
#include <cstdio>
#include <sys/resource.h>

namespace {

using namespace orvanta;
using Clock = std::chrono::steady_clock;

class BenchHost : public ChildHost {
public:
    BenchHost() : session_(asker_, files_) {}
    ProjectSession& session() override { return session_; }
    ProjectDocument& document() override { return document_; }
    Asker& asker() override { return asker_; }
    QWidget* openChild(const QString&) override { return nullptr; }
    void closeChild(const QString&) override {}
    bool saveProject() override { return false; }
    std::size_t messages() const { return asker_.messages.size(); }

private:
    testing::ScriptedAsker asker_; // a generated building shows no message
    testing::ScriptedFileChooser files_;
    ProjectSession session_;
    ProjectDocument document_{session_.model()};
};

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double peakResidentMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// Shows the window at its default size and paints it once.
void showAndPaint(QWidget& window) {
    window.show();
    QApplication::processEvents();
    window.grab();
}

template <class Make> void time(const char* what, Make make) {
    const Clock::time_point start = Clock::now();
    auto window = make();
    showAndPaint(*window);
    std::printf("%-58s %8.1f ms\n", what, millisecondsSince(start));
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    BenchHost host;

    Clock::time_point start = Clock::now();
    host.session().model() = testing::regularBuilding(100, 100, 99);
    std::printf("%-58s %8.1f ms\n", "building 100 x 100 x 99 generated, loads distributed",
                millisecondsSince(start));
    start = Clock::now();
    runCalculation(host.session().model(), host.results(), host.asker());
    std::printf("%-58s %8.1f ms\n", "Calcola Matrici", millisecondsSince(start));

    time("frmFamiglieX, every ritto in family 1",
         [&] { return std::make_unique<FamilyWindow>(host, Direction::orthogonalToX); });
    for (const Direction d : bothDirections) {
        setFamilyCount(host.session().model(), host.results(), d, 5, host.asker());
        assignFamilies(host.session().model(), host.results(), d, 5, host.asker());
    }
    time("frmFamiglieY, five families",
         [&] { return std::make_unique<FamilyWindow>(host, Direction::orthogonalToY); });
    time("frmCentri with the centres recomputed (five families)", [&] {
        computeStiffnessCentres(host.session().model(), host.results());
        return std::make_unique<CentresWindow>(host);
    });
    time("frmCentri alone", [&] { return std::make_unique<CentresWindow>(host); });
    {
        CentresWindow centres(host);
        showAndPaint(centres);
        start = Clock::now();
        centres.findChild<QPushButton*>("cmdMassaVisualizza")->click();
        centres.findChild<QPushButton*>("cmdRigidezzaVisualizza")->click();
        centres.grab();
        std::printf("%-58s %8.1f ms\n", "frmCentri: every C.M. and C.P.R. shown, redrawn",
                    millisecondsSince(start));
    }
    time("frmMatrice, nine grids of 99 x 99", [&] { return std::make_unique<MatrixWindow>(host); });
    time("frmElevazione, deformed shape computed",
         [&] { return std::make_unique<ElevationWindow>(host); });
    time("frmRegolarita, regularity and 297 modes computed",
         [&] { return std::make_unique<RegularityWindow>(host); });
    // Where the time of the plans goes.
    const Model& model = host.session().model();
    start = Clock::now();
    const StoreyPlan plan = storeyPlan(model, 1);
    std::printf("%-58s %8.1f ms\n", "  plan of a storey (storeyPlan)", millisecondsSince(start));
    start = Clock::now();
    Drawing drawing;
    drawStoreyPlan(drawing, plan, model.planScale);
    std::printf("%-58s %8.1f ms\n", "  its primitives (drawStoreyPlan)", millisecondsSince(start));
    start = Clock::now();
    renderDrawing(drawing, QSize(800, 667));
    std::printf("%-58s %8.1f ms\n", "  painted at 800 x 667 pixels", millisecondsSince(start));
    start = Clock::now();
    computeStiffnessCentres(model, host.results());
    std::printf("%-58s %8.1f ms\n", "  computeStiffnessCentres, five families",
                millisecondsSince(start));
    {
        // The largest family count: one family per slot, 10 000 numbers in each family list.
        const Direction x = Direction::orthogonalToX;
        setFamilyCount(host.session().model(), host.results(), x, 10000, host.asker());
        time("frmFamiglieX, 10 000 families in each list",
             [&] { return std::make_unique<FamilyWindow>(host, x); });
    }
    std::printf("%-58s %8.0f MB\n", "peak resident memory", peakResidentMegabytes());
    return host.messages() == 0 ? 0 : 1;
}
