#include "global_stiffness.h"

#include "numbering.h"
#include "parallel_tasks.h"

#include <algorithm>
#include <string>
#include <vector>

namespace orvanta {

namespace {

void reportNoGyrationRadius(Asker& asker, int storey) {
    asker.tell(
        {"Il raggio giratore di inerzia del piano " + std::to_string(storey) + " non è positivo:",
         "la rotazione del piano è esclusa dalla matrice di rigidezza globale.",
         "Ripetere la distribuzione dei carichi prima di procedere."},
        "Attenzione", MessageIcon::Exclamation);
}

// One row r of a ritto's contribution: KX = kx(c), KY = ky(c) for storeys c = 1..n at index
// c − 1, with the lever arms ax(c), ay(c) and those of the row storey, axRow and ayRow. The
// arrays never overlap (restrict), which lets the loop run on vectors.
void addRow(int n, const double* __restrict kx, const double* __restrict ky,
            const double* __restrict ax, const double* __restrict ay, double axRow, double ayRow,
            double* __restrict xx, double* __restrict xt, double* __restrict yy,
            double* __restrict yt, double* __restrict tt) {
    for (int c = 0; c < n; ++c) {
        xx[c] += kx[c];
        xt[c] -= ay[c] * kx[c];
        yy[c] += ky[c];
        yt[c] += ax[c] * ky[c];
        tt[c] += ayRow * ay[c] * kx[c] + axRow * ax[c] * ky[c];
    }
}

} // namespace

bool assembleGlobalStiffness(const Model& m, AnalysisResults& r, Asker& asker) {
    const int s = m.counts.nStoreys;
    const int nodes = static_cast<int>(r.ritStoreys.size());
    r.globalStiffness = Array2<double>(1, 3 * s, 1, 3 * s);
    Array2<double>& k = r.globalStiffness;

    // Storeys whose rotation can be scaled.
    std::vector<bool> rotates(static_cast<std::size_t>(s + 1), false);
    bool everyStoreyRotates = true;
    for (int storey = 1; storey <= s; ++storey) {
        rotates[static_cast<std::size_t>(storey)] = m.gyrationRadius(storey) > 0;
        if (!rotates[static_cast<std::size_t>(storey)]) {
            reportNoGyrationRadius(asker, storey);
            everyStoreyRotates = false;
        }
    }

    // Lever arms of the ritto about each storey's centre, over its radius of gyration:
    // armY(c) = (y − yG_c)/ρ_c and armX(c) = (x − xG_c)/ρ_c; 0 where the storey does not rotate.
    // The row storeys are shared among the cores, each summing every ritto into its own rows in
    // the order of the ritti, so every term is the sum one thread would make.
    const int parts = threadsFor(s);
    runOnAllCores(parts, [&](int part) {
        const int firstRow = 1 + s * part / parts;
        const int lastRow = s * (part + 1) / parts;
        std::vector<double> armX(static_cast<std::size_t>(s + 1));
        std::vector<double> armY(static_cast<std::size_t>(s + 1));
        for (int i = 1; i <= nodes; ++i) {
            const int n = r.ritStoreys(i);
            if (n < firstRow)
                continue;
            const numbering::PlanPoint at = numbering::nodePosition(m, i);
            for (int c = 1; c <= n; ++c) {
                const bool ok = rotates[static_cast<std::size_t>(c)];
                const double rho = m.gyrationRadius(c);
                armX[static_cast<std::size_t>(c)] = ok ? (at.x - m.massCentre(c, 1)) / rho : 0;
                armY[static_cast<std::size_t>(c)] = ok ? (at.y - m.massCentre(c, 2)) / rho : 0;
            }
            const double* ax = armX.data() + 1; // ax[c − 1] for storey c
            const double* ay = armY.data() + 1;
            const double* blockX = r[Direction::orthogonalToY].ritMatrix.block(i).data();
            const double* blockY = r[Direction::orthogonalToX].ritMatrix.block(i).data();
            for (int row = firstRow; row <= std::min(n, lastRow); ++row) {
                addRow(n, blockX + (row - 1) * s, blockY + (row - 1) * s, ax, ay, ax[row - 1],
                       ay[row - 1], &k(row, 1), &k(row, 2 * s + 1), &k(s + row, s + 1),
                       &k(s + row, 2 * s + 1), &k(2 * s + row, 2 * s + 1));
            }
        }
    });

    // The lower-left blocks are the transposes of Kxθ and Kyθ.
    for (int row = 2 * s + 1; row <= 3 * s; ++row) {
        for (int c = 1; c <= 2 * s; ++c)
            k(row, c) = k(c, row);
    }
    return everyStoreyRotates;
}

void reassembleStoreys(const Model& m, AnalysisResults& r, const std::vector<int>& storeys) {
    const int s = m.counts.nStoreys;
    const int nodes = static_cast<int>(r.ritStoreys.size());
    Array2<double>& k = r.globalStiffness;
    std::vector<bool> moved(static_cast<std::size_t>(s + 1), false);
    for (const int storey : storeys)
        moved[static_cast<std::size_t>(storey)] = true;
    for (const int c : storeys) {
        for (int row = 1; row <= s; ++row) {
            k(row, 2 * s + c) = 0;         // Kxθ
            k(s + row, 2 * s + c) = 0;     // Kyθ
            k(2 * s + row, 2 * s + c) = 0; // Kθθ, column c
            k(2 * s + c, 2 * s + row) = 0; // Kθθ, row c
        }
    }
    std::vector<double> armX(static_cast<std::size_t>(s + 1));
    std::vector<double> armY(static_cast<std::size_t>(s + 1));
    for (int i = 1; i <= nodes; ++i) {
        const int n = r.ritStoreys(i);
        if (n == 0)
            continue;
        const numbering::PlanPoint at = numbering::nodePosition(m, i);
        for (int c = 1; c <= n; ++c) { // as assembleGlobalStiffness makes them
            const double rho = m.gyrationRadius(c);
            const bool ok = rho > 0;
            armX[static_cast<std::size_t>(c)] = ok ? (at.x - m.massCentre(c, 1)) / rho : 0;
            armY[static_cast<std::size_t>(c)] = ok ? (at.y - m.massCentre(c, 2)) / rho : 0;
        }
        const Array3<double>& kx = r[Direction::orthogonalToY].ritMatrix;
        const Array3<double>& ky = r[Direction::orthogonalToX].ritMatrix;
        // The term (row, c) of the rotation blocks, with the operations of addRow.
        const auto add = [&](int row, int c) {
            const double x = kx(i, row, c);
            const double y = ky(i, row, c);
            const double ax = armX[static_cast<std::size_t>(c)];
            const double ay = armY[static_cast<std::size_t>(c)];
            const double axRow = armX[static_cast<std::size_t>(row)];
            const double ayRow = armY[static_cast<std::size_t>(row)];
            k(row, 2 * s + c) -= ay * x;
            k(s + row, 2 * s + c) += ax * y;
            k(2 * s + row, 2 * s + c) += ayRow * ay * x + axRow * ax * y;
        };
        for (const int storey : storeys) {
            if (storey > n)
                continue;
            for (int row = 1; row <= n; ++row)
                add(row, storey); // the column of the storey
            for (int c = 1; c <= n; ++c) {
                if (!moved[static_cast<std::size_t>(c)]) { // Kθθ of its row, once per term
                    const double x = kx(i, storey, c);
                    const double y = ky(i, storey, c);
                    k(2 * s + storey, 2 * s + c) += armY[static_cast<std::size_t>(storey)] *
                                                        armY[static_cast<std::size_t>(c)] * x +
                                                    armX[static_cast<std::size_t>(storey)] *
                                                        armX[static_cast<std::size_t>(c)] * y;
                }
            }
        }
    }
    for (int row = 2 * s + 1; row <= 3 * s; ++row) {
        for (int c = 1; c <= 2 * s; ++c)
            k(row, c) = k(c, row);
    }
}

} // namespace orvanta
