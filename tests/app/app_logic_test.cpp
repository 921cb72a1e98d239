// The Qt-free decisions of the shell: whether "Calcola Matrici" may run, and whether the model
// changed since it was last saved.

#include "load_distribution.h"
#include "model_check.h"
#include "model_fingerprint.h"
#include "sample_models.h"
#include "scripted_interaction.h"

#include <cmath>
#include <gtest/gtest.h>

namespace orvanta {
namespace {

Model loadedFrame() {
    Model m = testing::fullFrame(3, 2, 2);
    for (int k = 1; k <= 2; ++k) {
        for (int ix = 1; ix <= 2; ++ix)
            testing::setSlab(m, k, ix, 1, SlabSpan::alongY, 0.005, 0.002, 0.3);
    }
    testing::ScriptedAsker quiet;
    EXPECT_TRUE(distributeLoads(m, quiet));
    return m;
}

TEST(CalculationRefusal, ACompleteModelWithItsLoadsMayBeCalculated) {
    EXPECT_FALSE(calculationRefusal(loadedFrame()).has_value());
}

TEST(CalculationRefusal, ANewProjectIsRefusedAsIncomplete) {
    Model editing; // as New leaves it: editing arrays, no counts
    editing.coordX = Array1<double>(1, 200);
    editing.coordY = Array1<double>(1, 200);
    editing.levelZ = Array1<double>(1, 100);
    const std::optional<Message> refusal = calculationRefusal(editing);
    ASSERT_TRUE(refusal.has_value());
    EXPECT_EQ(refusal->title, "Impossibile calcolare le matrici");
    EXPECT_EQ(refusal->lines.at(0), "La struttura non è stata ancora definita completamente");
    EXPECT_EQ(refusal->icon, MessageIcon::Exclamation);
}

TEST(CalculationRefusal, ArraysThatDoNotMatchTheCountsAreRefused) {
    Model m = loadedFrame();
    m.members = Array3<double>(1, 2, 1, 5, 1, 6); // the slots of a smaller grid
    EXPECT_TRUE(calculationRefusal(m).has_value());
    m = loadedFrame();
    m.gyrationRadius = Array1<double>(1, 1);
    EXPECT_TRUE(calculationRefusal(m).has_value());
}

// Storeys whose loads were never distributed are left to the engine, which reports each one
// and leaves its rotation out of the global matrix.
TEST(CalculationRefusal, AStoreyWithoutADistributedLoadIsLeftToTheEngine) {
    Model m = loadedFrame();
    m.gyrationRadius(2) = 0;
    EXPECT_FALSE(calculationRefusal(m).has_value());
}

TEST(ModelFingerprint, EqualModelsAgreeAndAnyStoredValueChangesIt) {
    const Model original = loadedFrame();
    const std::uint64_t reference = modelFingerprint(original);
    EXPECT_EQ(modelFingerprint(Model(original)), reference);

    Model m = original;
    m.members(2, 7, member::height) = 650;
    EXPECT_NE(modelFingerprint(m), reference);
    m = original;
    m.slabs(1, 1, slab::variable) = 0.003;
    EXPECT_NE(modelFingerprint(m), reference);
    m = original;
    m.planScale = 0.25f;
    EXPECT_NE(modelFingerprint(m), reference);
    m = original;
    m.drawMax(2) += 1;
    EXPECT_NE(modelFingerprint(m), reference);
    m = original;
    m.storeyForce(1) = std::nextafter(m.storeyForce(1), 2.0);
    EXPECT_NE(modelFingerprint(m), reference);
}

// The same values under other bounds are another model.
TEST(ModelFingerprint, BoundsCount) {
    Model a;
    a.coordX = Array1<double>(1, 4);
    Model b;
    b.coordX = Array1<double>(0, 3);
    EXPECT_NE(modelFingerprint(a), modelFingerprint(b));
}

} // namespace
} // namespace orvanta
