#include "calculation.h"
#include "deformed_shape.h"
#include "finite_results.h"
#include "global_stiffness.h"
#include "sample_models.h"
#include "scripted_interaction.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace orvanta {
namespace {

constexpr double infinity = std::numeric_limits<double>::infinity();

// A term that is not finite is found where the calculation put it, and named by its ritto,
// storey or family; the first one in the order the results are computed is the one reported.
TEST(FiniteResults, TheFirstTermThatIsNotFiniteIsNamed) {
    Model m = testing::fullFrame(3, 2, 2); // ritti 1..6
    for (int k = 1; k <= 2; ++k) {
        m.massCentre(k, 1) = 5000;
        m.massCentre(k, 2) = 2000;
        m.gyrationRadius(k) = 4000;
        m.storeyForce(k) = k / 3.0;
    }
    testing::ScriptedAsker asker;
    AnalysisResults r;
    runCalculation(m, r, asker);
    computeDeformedShape(m, r, asker);
    EXPECT_FALSE(firstNonFiniteResult(r));
    EXPECT_FALSE(nonFiniteResultMessage(r));

    // A ritto matrix is looked into through the global matrix it is summed into.
    r[Direction::orthogonalToX].ritMatrix(3, 2, 1) = infinity;
    EXPECT_FALSE(firstNonFiniteResult(r)); // not yet summed
    assembleGlobalStiffness(m, r, asker);
    EXPECT_EQ(firstNonFiniteResult(r), "matrice di rigidezza del ritto 3 ortogonale a X, termine "
                                       "(2, 1)");

    r.deformedShape(2, 1) = std::nan("");
    r[Direction::orthogonalToY].ritElements(4, 2, 3) = -infinity; // found before the matrices
    EXPECT_EQ(firstNonFiniteResult(r), "tabella degli elementi del ritto 4 ortogonale a Y, riga 2");

    r = AnalysisResults{};
    runCalculation(m, r, asker);
    computeDeformedShape(m, r, asker);
    r.globalStiffness(6, 1) = std::nan(""); // 2 storeys: row 6 is the rotation of storey 2
    EXPECT_EQ(firstNonFiniteResult(r), "matrice di rigidezza globale, termine (6, 1) (rotazione "
                                       "del piano 2, traslazione X del piano 1)");
    r.globalStiffness(6, 1) = 0;
    r.deformedShape(2, 1) = infinity;
    const std::optional<Message> message = nonFiniteResultMessage(r);
    ASSERT_TRUE(message);
    EXPECT_EQ(message->title, "Risultati non validi");
    EXPECT_EQ(message->icon, MessageIcon::Critical);
    EXPECT_EQ(message->lines.at(1), "deformata in elevazione in Y, piano 1.");
}

} // namespace
} // namespace orvanta
