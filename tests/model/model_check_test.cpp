#include "model_change.h"
#include "model_check.h"
#include "project_file.h"
#include "sample_models.h"
#include "test_paths.h"

#include <cmath>
#include <filesystem>
#include <gtest/gtest.h>

namespace orvanta {
namespace {

constexpr double nan = std::numeric_limits<double>::quiet_NaN();

// What each single check says of a section or slab, by a piece of its reason ("" = valid).
TEST(ModelCheck, SectionsAndSlabsAreCheckedOneByOne) {
    const auto said = [](const std::optional<std::string>& problem) {
        return problem.value_or("");
    };
    const std::pair<ColumnSection, const char*> columns[] = {
        {{ColumnShape::rectangle, 300, 500}, ""},
        {{ColumnShape::rectangle, 0, 500}, "base non positiva (0 mm)"},
        {{ColumnShape::rectangle, 300, -500}, "altezza non positiva (-500 mm)"},
        {{ColumnShape::rectangle, 0.5, 500}, "base fuori dall'intervallo 1 mm – 100 m (0,5 mm)"},
        {{ColumnShape::rectangle, 300, 1e300}, "altezza fuori dall'intervallo"},
        {{ColumnShape::rectangle, nan, 500}, "base non numerica"},
        {{ColumnShape::box, 2000, 2200, 200, 250}, ""},
        {{ColumnShape::box, 2000, 2200, 0, 250},
         "spessore delle pareti parallele a X non positivo"},
        {{ColumnShape::box, 2000, 2200, 1100, 250}, "pareti parallele a X troppo spesse"},
        {{ColumnShape::box, 2000, 2200, 200, 1000}, "pareti parallele a Y troppo spesse"},
    };
    for (const auto& [section, reason] : columns)
        EXPECT_NE(said(columnSectionProblem(section)).find(reason), std::string::npos)
            << said(columnSectionProblem(section));
    EXPECT_FALSE(columnSectionProblem({ColumnShape::rectangle, 300, 500}));

    const std::pair<BeamSection, const char*> beams[] = {
        {{BeamShape::rectangle, 300, 600}, ""},
        {{BeamShape::tee, 800, 600, 150, 300}, ""},
        {{BeamShape::tee, 800, 600, 300, 800}, ""}, // a web as wide as the flange
        {{BeamShape::tee, 800, 600, 0, 300}, "spessore dell'ala non positivo"},
        {{BeamShape::tee, 800, 600, 600, 300}, "non minore dell'altezza"},
        {{BeamShape::tee, 800, 600, 150, -1}, "larghezza dell'anima non positiva"},
        {{BeamShape::tee, 300, 600, 150, 400}, "più larga della base"},
    };
    for (const auto& [section, reason] : beams)
        EXPECT_NE(said(beamSectionProblem(section)).find(reason), std::string::npos)
            << said(beamSectionProblem(section));
    EXPECT_FALSE(beamSectionProblem({BeamShape::tee, 800, 600, 150, 300}));

    const Slab good{true, SlabSpan::alongX, 0.005, 0.002, 0.3, 5000, 4000};
    Slab absent = good;
    absent.present = false;
    absent.permanent = -1;
    EXPECT_FALSE(slabProblem(good));
    EXPECT_FALSE(slabProblem(absent)); // nothing of an absent slab is read
    Slab negative = good;
    negative.variable = -0.001;
    Slab share = good;
    share.share = 1.5;
    Slab side = good;
    side.sideY = 0;
    EXPECT_NE(said(slabProblem(negative)).find("carico variabile -1 kN/m²"), std::string::npos);
    EXPECT_NE(said(slabProblem(share)).find("quota del carico variabile 1,5"), std::string::npos);
    EXPECT_NE(said(slabProblem(side)).find("lato in Y"), std::string::npos);
}

TEST(ModelCheck, EveryBundledExampleAndATestFramePass) {
    for (const std::filesystem::directory_entry& entry :
         std::filesystem::directory_iterator(ORVANTA_EXAMPLES_DIR)) {
        const ProjectReadResult read = readProjectFile(entry.path().string());
        ASSERT_TRUE(read.model) << entry.path();
        const ModelCheck check = checkModel(*read.model);
        EXPECT_TRUE(check.passed()) << entry.path() << ": " << describeProblem(check.problems[0]);
    }
    EXPECT_TRUE(checkModel(testing::fullFrame(3, 2, 2, 1)).passed());
}

// One slot is placed as the whole check places it: columns by node, beams by their two nodes,
// the extra node's column by its node number; a valid or absent slot, or one outside the model,
// has nothing.
TEST(ModelCheck, OneSlotIsPlacedAsTheWholeCheckPlacesIt) {
    Model m = testing::fullFrame(3, 2, 2, 1); // nodes 1..6, extra node 7
    const Counts& c = m.counts;
    const int extra = numbering::columnSlot(c, 7);
    m.members(2, numbering::beamYSlot(c, 2), member::present) = 2;
    m.members(1, numbering::beamXSlot(c, 2, 2), member::shape) = 7; // beam X from node 5 to 6
    m.members(1, 4, member::base) = 0;
    testing::setMember(m, 2, extra, 1, 2000, 2000, 1000, 200);
    const ModelCheck check = checkModel(m);
    ASSERT_EQ(check.total, 4);
    const MemberRef slots[] = {{1, 4}, {1, numbering::beamXSlot(c, 2, 2)},
                               {2, numbering::beamYSlot(c, 2)}, {2, extra}};
    for (std::size_t i = 0; i < 4; ++i) {
        const std::optional<ModelProblem> one = memberProblemAt(m, slots[i].storey, slots[i].slot);
        ASSERT_TRUE(one.has_value()) << i;
        EXPECT_EQ(*one, check.problems[i]) << describeProblem(*one);
    }
    EXPECT_FALSE(memberProblemAt(m, 1, 5));
    EXPECT_FALSE(memberProblemAt(m, 3, 4));
    EXPECT_FALSE(memberProblemAt(m, 1, extra + 1));
}

// Each kind of problem lands on its storey and element, in the order of the message: grid,
// levels and extra nodes first, then storey by storey the slots, the slabs and the loads.
TEST(ModelCheck, ProblemsAreFoundByStoreyAndElementInOrder) {
    Model m = testing::fullFrame(3, 2, 2, 1); // nodes 1..6, extra node 7
    const Counts& c = m.counts;
    m.levelZ(3) = m.levelZ(2);                                      // equal levels
    m.coordY(2) = 2e7;                                              // beyond 10 km
    m.coordX(c.nX + 1) = -3e7;                                      // the extra node too
    m.members(2, numbering::beamYSlot(c, 2), member::present) = 2;  // beam Y from node 2 to 5
    m.members(1, numbering::beamXSlot(c, 2, 1), member::shape) = 7; // beam X from node 2 to 3
    m.members(1, 4, member::base) = 0;                              // column at node 4
    testing::setMember(m, 2, numbering::columnSlot(c, 7), 1, 2000, 2000, 1000, 200);
    m.slabs(1, 2, slab::present) = 1;
    m.slabs(1, 2, slab::direction) = 7;
    m.members(1, 1, member::thickness1) = nan; // of a rectangle: never used, but not a number
    m.gyrationRadius(2) = 1e-300;
    m.gyrationRadius(1) = -5; // not positive: left to the calculation's own message
    m.massCentre(1, 2) = 1e300;

    const ModelCheck check = checkModel(m);
    const std::vector<std::pair<ProblemPlace, int>> expected = {
        {ProblemPlace::gridLineY, 2}, {ProblemPlace::level, 3},  {ProblemPlace::extraNode, 1},
        {ProblemPlace::column, 1},    {ProblemPlace::column, 4}, {ProblemPlace::beamX, 2},
        {ProblemPlace::slab, 2},      {ProblemPlace::storey, 0}, {ProblemPlace::beamY, 2},
        {ProblemPlace::column, 7},    {ProblemPlace::storey, 0},
    };
    ASSERT_EQ(check.total, static_cast<long long>(expected.size()));
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(check.problems[i].place, expected[i].first) << describeProblem(check.problems[i]);
        EXPECT_EQ(check.problems[i].index, expected[i].second)
            << describeProblem(check.problems[i]);
    }
    EXPECT_EQ(describeProblem(check.problems[5]),
              "piano 1, trave in X tra i nodi 2 e 3: codice della sezione 7 non ammesso "
              "(0 rettangolare, 1 a T)");
    EXPECT_EQ(describeProblem(check.problems[8]),
              "piano 2, trave in Y tra i nodi 2 e 5: indicatore di presenza 2 non ammesso (0 o 1)");
    EXPECT_EQ(describeProblem(check.problems[2]),
              "nodo aggiuntivo 1 (nodo 7): a più di 10 km dall'origine (-3E+07 mm)");
    EXPECT_NE(describeProblem(check.problems[7]).find("centro di massa"), std::string::npos);
    EXPECT_NE(describeProblem(check.problems[10]).find("raggio giratore"), std::string::npos);

    // The message lists the first ones, then how many more.
    const Message message = modelCheckMessage(check, "Impossibile calcolare le matrici", 3);
    EXPECT_EQ(message.icon, MessageIcon::Exclamation);
    EXPECT_EQ(message.lines.front(), "Il modello contiene dati non validi (11 problemi):");
    EXPECT_EQ(message.lines[1], "- allineamento 2 in Y: a più di 10 km dall'origine (2E+07 mm)");
    EXPECT_EQ(message.lines[4], "... e altri 8 problemi.");
    EXPECT_EQ(message.lines.back(), "Correggere i dati indicati prima di procedere.");

    // Only the first few are kept, all are counted.
    const ModelCheck firstTwo = checkModel(m, 2);
    EXPECT_EQ(firstTwo.problems.size(), 2u);
    EXPECT_EQ(firstTwo.total, check.total);
}

TEST(ModelCheck, TheCalculationIsRefusedOnAFailedCheckAndOnCountsBeyondTheEditors) {
    Model m = testing::fullFrame(2, 2, 1);
    m.members(1, 1, member::height) = -500;
    const std::optional<Message> refusal = calculationRefusal(m);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->title, "Impossibile calcolare le matrici");
    EXPECT_EQ(refusal->lines.at(1),
              "- piano 1, pilastro al nodo 1: altezza non positiva (-500 mm)");

    const ModelCheck wide = checkModel(testing::fullFrame(101, 2, 1));
    ASSERT_EQ(wide.total, 1);
    EXPECT_NE(wide.problems[0].reason.find("fuori dai limiti del programma"), std::string::npos);
}

} // namespace
} // namespace orvanta
