// The DXF writer and the storey plans written with it: numbers with a decimal point, text in code
// page 1252, the R12 entities, and the plan's outlines at the true sizes of the model.

#include "atomic_file.h"
#include "calculation.h"
#include "dxf_writer.h"
#include "plan_dxf.h"
#include "sample_models.h"
#include "stiffness_centres.h"
#include "test_paths.h"
#include "user_interaction.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>

namespace orvanta {
namespace {

// The entities of a DXF text as (type, layer, points) in order, vertices gathered into their
// polyline; enough of a reader to compare coordinates with the model.
struct Entity {
    std::string type;
    std::string layer;
    std::vector<DxfPoint> points;
    std::string text;
};

std::vector<Entity> entitiesOf(const std::string& dxf) {
    std::istringstream in(dxf);
    std::vector<std::pair<int, std::string>> groups;
    std::string code, value;
    while (std::getline(in, code) && std::getline(in, value))
        groups.emplace_back(std::stoi(code), value);
    std::vector<Entity> entities;
    bool inEntities = false;
    bool inVertex = false;
    for (const auto& [c, v] : groups) {
        if (c == 2 && v == "ENTITIES")
            inEntities = true;
        if (!inEntities || (c == 0 && (v == "SEQEND" || v == "ENDSEC" || v == "EOF")))
            continue;
        if (c == 0 && v == "VERTEX") {
            inVertex = true;
        } else if (c == 0) {
            entities.push_back({v, {}, {}, {}});
            inVertex = false;
        } else if (c == 8 && entities.back().layer.empty()) {
            entities.back().layer = v;
        } else if ((c == 10 || c == 11) && (entities.back().type != "POLYLINE" || inVertex)) {
            entities.back().points.push_back({std::stod(v), 0});
        } else if ((c == 20 || c == 21) && (entities.back().type != "POLYLINE" || inVertex)) {
            entities.back().points.back().y = std::stod(v);
        } else if (c == 1) {
            entities.back().text = v;
        }
    }
    return entities;
}

std::vector<Entity> onLayer(const std::vector<Entity>& entities, const std::string& layer,
                            const std::string& type) {
    std::vector<Entity> found;
    for (const Entity& e : entities) {
        if (e.layer == layer && e.type == type)
            found.push_back(e);
    }
    return found;
}

bool hasOutline(const std::vector<Entity>& polylines, const std::vector<DxfPoint>& corners) {
    for (const Entity& e : polylines) {
        if (e.points == corners)
            return true;
    }
    return false;
}

TEST(DxfNumber, DecimalPointAtMostFourDecimals) {
    EXPECT_EQ(dxfNumber(1234.5), "1234.5");
    EXPECT_EQ(dxfNumber(12), "12.0");
    EXPECT_EQ(dxfNumber(-150), "-150.0");
    EXPECT_EQ(dxfNumber(0.00001), "0.0");
    EXPECT_EQ(dxfNumber(-0.00001), "0.0");
    EXPECT_EQ(dxfNumber(2.00006), "2.0001");
    EXPECT_EQ(dxfNumber(1e9), "1000000000.0");
}

TEST(DxfCodePage, AccentsInWindows1252AndEscapesForTheRest) {
    EXPECT_EQ(toDxfCodePage("Città è"), "Citt\xE0 \xE8");
    EXPECT_EQ(toDxfCodePage("n° – €"), "n\xB0 \x96 \x80");
    EXPECT_EQ(toDxfCodePage("e0x ≤ r"), "e0x \\U+2264 r");
    EXPECT_EQ(toDxfCodePage("a\nb\tc"), "a b c");
    EXPECT_EQ(toDxfCodePage("x\xFFy"), "x?y");
}

TEST(DxfDrawing, Release12FileWithItsCodePageLayersAndOldStylePolylines) {
    DxfDrawing dxf;
    dxf.addLayer("PILASTRI", dxfColour::white);
    dxf.polyline("PILASTRI", {{0, 0}, {300, 0}, {300, 500}, {0, 500}}, true);
    dxf.text("PILASTRI", {10, -20}, 250, "più");
    const std::string text = dxf.text();
    EXPECT_NE(text.find("$ACADVER\n  1\nAC1009\n"), std::string::npos);
    EXPECT_NE(text.find("$DWGCODEPAGE\n  3\nANSI_1252\n"), std::string::npos);
    EXPECT_NE(text.find("  0\nLAYER\n  2\nPILASTRI\n"), std::string::npos);
    EXPECT_EQ(text.find("LWPOLYLINE"), std::string::npos);
    EXPECT_NE(text.find("  0\nSEQEND\n"), std::string::npos);
    EXPECT_NE(text.find("  1\npi\xF9\n"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 8), "  0\nEOF\n");
    EXPECT_EQ(dxf.lowest(), (DxfPoint{0, -20}));
    EXPECT_EQ(dxf.highest(), (DxfPoint{300, 500}));
}

class PlanDxf : public ::testing::Test {
protected:
    struct QuietAsker : Asker {
        Answer ask(const Message&) override { return Answer::Ok; }
    };
    // 3 × 2 lines at x = 0, 5000, 10000 and y = 0, 4000; columns 300 × 500, beams 300 wide.
    Model model = testing::fullFrame(3, 2, 2);
};

TEST_F(PlanDxf, ColumnOutlinesAtTheirNodesWithBaseAlongXAndHeightAlongY) {
    const std::vector<Entity> e = entitiesOf(planDxf(model, nullptr, {1}, "prova").text());
    const std::vector<Entity> columns = onLayer(e, planLayer::columns, "POLYLINE");
    EXPECT_EQ(columns.size(), 6u);
    EXPECT_TRUE(hasOutline(columns, {{4850, 3750}, {5150, 3750}, {5150, 4250}, {4850, 4250}}));
}

TEST_F(PlanDxf, BoxSectionsShowTheirHole) {
    // Node 5 is (5000, 4000): a 400 × 600 box, walls parallel to X 100 thick, to Y 50 thick.
    testing::setMember(model, 1, 5, 1, 400, 600, 100, 50);
    const std::vector<Entity> e = entitiesOf(planDxf(model, nullptr, {1}, "").text());
    const std::vector<Entity> columns = onLayer(e, planLayer::columns, "POLYLINE");
    EXPECT_EQ(columns.size(), 7u);
    EXPECT_TRUE(hasOutline(columns, {{4800, 3700}, {5200, 3700}, {5200, 4300}, {4800, 4300}}));
    EXPECT_TRUE(hasOutline(columns, {{4850, 3800}, {5150, 3800}, {5150, 4200}, {4850, 4200}}));
}

TEST_F(PlanDxf, BeamOutlinesAtTheirWidthFromNodeToNode) {
    const std::vector<Entity> e = entitiesOf(planDxf(model, nullptr, {1}, "").text());
    const std::vector<Entity> beams = onLayer(e, planLayer::beams, "POLYLINE");
    EXPECT_EQ(beams.size(), 4u + 3u);
    EXPECT_TRUE(hasOutline(beams, {{0, 3850}, {5000, 3850}, {5000, 4150}, {0, 4150}}));
    EXPECT_TRUE(hasOutline(beams, {{9850, 0}, {10150, 0}, {10150, 4000}, {9850, 4000}}));
}

TEST_F(PlanDxf, GridLinesNumberedAndStoreysSideBySide) {
    const std::vector<Entity> one = entitiesOf(planDxf(model, nullptr, {1}, "").text());
    EXPECT_EQ(onLayer(one, planLayer::grid, "LINE").size(), 5u);
    EXPECT_EQ(onLayer(one, planLayer::grid, "TEXT").size(), 5u);
    const std::vector<Entity> two = entitiesOf(planDxf(model, nullptr, {1, 2}, "").text());
    const std::vector<Entity> titles = onLayer(two, planLayer::texts, "TEXT");
    ASSERT_EQ(titles.size(), 2u);
    EXPECT_EQ(titles[0].text, "Pianta del piano 1 - quota 3.000 mm");
    EXPECT_EQ(titles[1].text, "Pianta del piano 2 - quota 6.000 mm");
    EXPECT_GT(titles[1].points[0].x, 10000); // the second plan starts right of the first
}

TEST_F(PlanDxf, CentresOfMassAndOfStiffnessAsOnTheCentresView) {
    model.massCentre(1, 1) = 5000;
    model.massCentre(1, 2) = 2500;
    AnalysisResults results;
    QuietAsker asker;
    runCalculation(model, results, asker);
    computeStiffnessCentres(model, results);
    const std::vector<Entity> e = entitiesOf(planDxf(model, &results, {1}, "").text());
    const std::vector<Entity> mass = onLayer(e, planLayer::massCentre, "CIRCLE");
    ASSERT_EQ(mass.size(), 1u);
    EXPECT_EQ(mass[0].points[0], (DxfPoint{5000, 2500}));
    EXPECT_EQ(onLayer(e, planLayer::massCentre, "TEXT")[0].text, "C.M. n\xB0 1");
    const std::vector<Entity> lines = onLayer(e, planLayer::stiffnessCentres, "LINE");
    ASSERT_EQ(lines.size(), 2u); // one family in each direction
    // Orthogonal to X: the vertical line x = 5000 across the grid, y = 0 .. 4000.
    EXPECT_EQ(lines[0].points, (std::vector<DxfPoint>{{5000, 0}, {5000, 4000}}));
    EXPECT_EQ(lines[1].points, (std::vector<DxfPoint>{{0, 2000}, {10000, 2000}}));
}

TEST_F(PlanDxf, SlabsOutlinedInsideTheirBayWithTheSpanArrow) {
    testing::setSlab(model, 1, 1, 1, SlabSpan::alongX, 0.005, 0.002, 0.3);
    const std::vector<Entity> e = entitiesOf(planDxf(model, nullptr, {1}, "").text());
    const std::vector<Entity> outlines = onLayer(e, planLayer::slabs, "POLYLINE");
    ASSERT_EQ(outlines.size(), 3u); // the outline and two arrow heads
    const double inset = 2 * planTextHeight(model);
    EXPECT_NEAR(outlines[0].points[0].x, inset, 1e-4);
    EXPECT_NEAR(outlines[0].points[0].y, inset, 1e-4);
    const std::vector<Entity> shaft = onLayer(e, planLayer::slabs, "LINE");
    ASSERT_EQ(shaft.size(), 1u);
    EXPECT_EQ(shaft[0].points[0].y, shaft[0].points[1].y); // along X
}

struct RecordingAsker : Asker {
    Answer ask(const Message& message) override {
        told.push_back(message);
        return Answer::Ok;
    }
    std::vector<Message> told;
};

TEST_F(PlanDxf, EveryStoreyInItsOwnFileOrNothingForAStoreyTheBuildingLacks) {
    const std::filesystem::path folder = testing::outputFolder("plan-dxf-files");
    const std::string path = (folder / "pianta.dxf").string();
    RecordingAsker asker;
    const std::vector<std::string> written =
        exportPlanDxf(model, nullptr, {PlanStoreys::eachInItsFile, 1}, path, "", asker);
    EXPECT_EQ(written, (std::vector<std::string>{(folder / "pianta-piano-1.dxf").string(),
                                                 (folder / "pianta-piano-2.dxf").string()}));
    EXPECT_TRUE(asker.told.empty());
    EXPECT_FALSE(std::filesystem::exists(path));

    EXPECT_TRUE(exportPlanDxf(model, nullptr, {PlanStoreys::one, 3}, path, "", asker).empty());
    ASSERT_EQ(asker.told.size(), 1u);
    EXPECT_EQ(asker.told[0].lines[0], "Il piano 3 non esiste");
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(PlanDxf, AFileThatCannotBeWrittenIsNamedWithTheReason) {
    RecordingAsker asker;
    EXPECT_TRUE(exportPlanDxf(model, nullptr, {}, "/cartella-che-non-esiste/p.dxf", "", asker)
                    .empty());
    ASSERT_EQ(asker.told.size(), 1u);
    EXPECT_EQ(asker.told[0].title, "Esportazione DXF non riuscita");
    EXPECT_EQ(asker.told[0].lines[0], "Impossibile scrivere il file /cartella-che-non-esiste/p.dxf");
    EXPECT_NE(asker.told[0].lines[1].find("non esiste"), std::string::npos);
}

// The file read back by ezdxf (python3-ezdxf), a reader that owes nothing to our writer.
TEST_F(PlanDxf, ARealDxfReaderAuditsTheFileAndFindsTheColumnAtItsTrueCorners) {
    const std::filesystem::path file = testing::outputFolder("plan-dxf") / "pianta.dxf";
    testing::setMember(model, 1, 5, 1, 400, 600, 100, 50);
    AnalysisResults results;
    QuietAsker asker;
    runCalculation(model, results, asker);
    computeStiffnessCentres(model, results);
    ASSERT_EQ(writeFileAtomically(file.string(), planDxf(model, &results, {1, 2}, "Città").text()),
              "");
    const std::string command = std::string(ORVANTA_SYSTEM_PYTHON) + " " + ORVANTA_DXF_READBACK +
                                " '" + file.string() +
                                "' 'Progetto Città' 4800 3700 5200 3700 5200 4300 4800 4300";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
}

} // namespace
} // namespace orvanta
