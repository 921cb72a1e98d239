#include "result_tables.h"

#include "normalised_matrix.h"
#include "torsional_regularity.h"

#include <algorithm>
#include <array>
#include <string>

namespace orvanta {

namespace {

TableCell number(double value, int decimals, const NumberFormat& format) {
    return numberCell(value, formatNumber(value, decimals, format));
}

TableCell whole(int value) {
    return numberCell(value, std::to_string(value));
}

// "1", "2", … "n": the headings of the storey columns of a matrix.
void addStoreyHeadings(std::vector<std::string>& header, int storeys) {
    for (int s = 1; s <= storeys; ++s)
        header.push_back(std::to_string(s));
}

TextTable familyTable(const Model& model, const AnalysisResults& results, Direction direction,
                      const NumberFormat& format) {
    const int storeys = model.counts.nStoreys;
    TextTable table{std::string("frmFamiglie") + orthogonalAxis(direction) + "-mfgRitti",
                    {"Ritto", "Famiglia", "Coefficiente", "Riga"},
                    {}};
    addStoreyHeadings(table.header, storeys);
    const RittiResults& ritti = results[direction];
    const Array3<double>& k = ritti.ritMatrix;
    if (k.empty())
        return table;
    for (int i = results.ritStoreys.lower(); i <= results.ritStoreys.upper(); ++i) {
        const int own = std::min<int>(results.ritStoreys(i), k.upper(2));
        if (own <= 0 || i > k.upper(1))
            continue;
        const double first = k(i, 1, 1);
        const int family = i <= ritti.family.upper() ? ritti.family(i) : 0;
        for (int r = 1; r <= own; ++r) {
            std::vector<TableCell> row{
                whole(i), whole(family),
                numberCell(first / 1000, formatScientific(first / 1000, 1, format)), whole(r)};
            for (int c = 1; c <= storeys; ++c)
                row.push_back(c <= own ? number(normalisedTerm(k(i, r, c), first), 0, format)
                                       : TableCell{});
            table.rows.push_back(std::move(row));
        }
    }
    return table;
}

// Centres of the families of one direction: the coordinate and the ritti weighed, or empty cells.
void addCentreCells(std::vector<TableCell>& row, const RittiResults& ritti, int family,
                    const NumberFormat& format) {
    const bool has = family <= ritti.familySize.upper() && family >= ritti.familySize.lower() &&
                     ritti.familySize(family) > 0 && family <= ritti.stiffnessCentre.upper();
    if (!has) {
        row.insert(row.end(), 2, TableCell{});
        return;
    }
    row.push_back(number(ritti.stiffnessCentre(family), 0, format));
    row.push_back(whole(ritti.familySize(family)));
}

} // namespace

std::vector<TextTable> familyTables(const Model& model, const AnalysisResults& results,
                                    const NumberFormat& format) {
    std::vector<TextTable> tables;
    for (const Direction d : bothDirections)
        tables.push_back(familyTable(model, results, d, format));
    return tables;
}

std::vector<TextTable> globalMatrixTables(const Model& model, const AnalysisResults& results,
                                          const NumberFormat& format) {
    constexpr std::array<const char*, 9> blocks{"Kxx", "Kxy", "Kxz", "Kyx", "Kyy",
                                                "Kyz", "Kzx", "Kzy", "Kzz"};
    constexpr double shownFactor = 100; // the terms are shown times Ecls / 100
    const Array2<double>& k = results.globalStiffness;
    const int storeys = model.counts.nStoreys;
    const bool matches =
        storeys > 0 && !k.empty() && k.upper(1) == 3 * storeys && k.upper(2) == 3 * storeys;
    std::vector<TextTable> tables;
    for (std::size_t b = 0; b < blocks.size(); ++b) {
        TextTable table{std::string("frmMatrice-mfg") + blocks[b], {"Piano"}, {}};
        addStoreyHeadings(table.header, storeys);
        const int rowOffset = static_cast<int>(b / 3) * storeys;
        const int columnOffset = static_cast<int>(b % 3) * storeys;
        for (int i = 1; matches && i <= storeys; ++i) {
            std::vector<TableCell> row{whole(i)};
            for (int j = 1; j <= storeys; ++j)
                row.push_back(number(k(rowOffset + i, columnOffset + j) * shownFactor, 0, format));
            table.rows.push_back(std::move(row));
        }
        tables.push_back(std::move(table));
    }
    return tables;
}

std::vector<TextTable> centresTables(const Model& model, const AnalysisResults& results,
                                     const NumberFormat& format) {
    TextTable mass{"frmCentri-mfgBaricentri", {"Piano", "C.M. X [mm]", "C.M. Y [mm]"}, {}};
    const Array2<double>& centre = model.massCentre;
    for (int k = 1; k <= model.counts.nStoreys && !centre.empty() && k <= centre.upper(1); ++k)
        mass.rows.push_back(
            {whole(k), number(centre(k, 1), 0, format), number(centre(k, 2), 0, format)});

    TextTable stiffness{"frmCentri-mfgCentriRigidezza",
                        {"Famiglia", "C.P.R. ritti ortogonali ad X: x [mm]", "Ritti X",
                         "C.P.R. ritti ortogonali ad Y: y [mm]", "Ritti Y"},
                        {}};
    const RittiResults& x = results[Direction::orthogonalToX];
    const RittiResults& y = results[Direction::orthogonalToY];
    const int families = std::max<int>(x.familyCount, y.familyCount);
    for (int f = 1; f <= families; ++f) {
        std::vector<TableCell> row{whole(f)};
        addCentreCells(row, x, f, format);
        addCentreCells(row, y, f, format);
        stiffness.rows.push_back(std::move(row));
    }
    return {mass, stiffness};
}

std::vector<TextTable> regularityTables(const SeismicResults& seismic, const NumberFormat& format) {
    if (!seismic.hasRegularity())
        return {};
    const std::string limit = formatNumber(eccentricityLimit, 2, format);
    TextTable storeys{"frmRegolarita-mfgPiani",
                      {"Piano", "C.M. X [mm]", "C.M. Y [mm]", "C.R. X [mm]", "C.R. Y [mm]",
                       "e0x [mm]", "e0y [mm]", "rx [mm]", "ry [mm]", "ls [mm]",
                       "e0x ≤ " + limit + "·rx", "e0y ≤ " + limit + "·ry", "rx ≥ ls", "ry ≥ ls"},
                      {}};
    auto mark = [](bool passes) { return textCell(passes ? "✓" : "✗"); };
    for (int k = seismic.storeys.lower(); k <= seismic.storeys.upper(); ++k) {
        const StoreyRegularity& s = seismic.storeys(k);
        storeys.rows.push_back(
            {whole(k), number(s.massCentreX, 0, format), number(s.massCentreY, 0, format),
             number(s.rigidityCentreX, 0, format), number(s.rigidityCentreY, 0, format),
             number(s.eccentricityX, 0, format), number(s.eccentricityY, 0, format),
             number(s.torsionalRadiusX, 0, format), number(s.torsionalRadiusY, 0, format),
             number(s.gyrationRadius, 0, format), mark(s.eccentricityXPasses),
             mark(s.eccentricityYPasses), mark(s.radiusXPasses), mark(s.radiusYPasses)});
    }
    std::vector<TextTable> tables{storeys};
    if (!seismic.hasModes())
        return tables;
    TextTable modes{"frmRegolarita-mfgModi",
                    {"Modo", "T [s]", "Massa X [%]", "Massa Y [%]", "Massa rot. [%]",
                     "Quota rotazionale [%]", "Tipo"},
                    {}};
    constexpr double percent = 100;
    for (int m = seismic.modes.lower(); m <= seismic.modes.upper(); ++m) {
        const VibrationMode& v = seismic.modes(m);
        modes.rows.push_back({whole(m), number(v.period, 3, format),
                              number(percent * v.massRatioX, 1, format),
                              number(percent * v.massRatioY, 1, format),
                              number(percent * v.massRatioRotation, 1, format),
                              number(percent * v.rotationalShare, 1, format),
                              textCell(v.isTorsional() ? "torsionale" : "")});
    }
    tables.push_back(modes);
    return tables;
}

std::vector<TextTable> analysisTables(const Model& model, const AnalysisResults& results,
                                      const SeismicResults* seismic, const NumberFormat& format) {
    std::vector<TextTable> tables = familyTables(model, results, format);
    for (std::vector<TextTable> more :
         {globalMatrixTables(model, results, format), centresTables(model, results, format),
          seismic ? regularityTables(*seismic, format) : std::vector<TextTable>{}})
        tables.insert(tables.end(), more.begin(), more.end());
    return tables;
}

} // namespace orvanta
