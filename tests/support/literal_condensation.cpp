#include "literal_condensation.h"

#include "numbering.h"

#include <array>
#include <cmath>

namespace orvanta::testing {

namespace {

using Matrix6 = std::array<std::array<double, 7>, 7>; // 1-based 6 × 6

// The oracle's own rule for a singular block, kept apart from the engine's so that a change of
// the engine's tolerance shows up as a disagreement: a pivot whose magnitude is at most 1e-10 of
// its diagonal term before elimination is zero.
constexpr double singularPivotRatio = 1e-10;

bool singular(double pivot, double diagonalBefore) {
    return std::abs(pivot) <= singularPivotRatio * std::abs(diagonalBefore);
}

// Upper triangle of the element matrix of row e of the table, and its DOF numbers.
void elementMatrix(const Array3<double>& table, int ritto, int n, int e, Matrix6& k,
                   std::array<int, 7>& dofs) {
    for (auto& row : k)
        row.fill(0);
    const double length = table(ritto, e, 2);
    const double area = table(ritto, e, 3);
    const double inertia = table(ritto, e, 4);
    const double p = table(ritto, e, 5);
    if (e <= n) { // column
        const bool base = e == 1;
        dofs = {0,     base ? 0 : e - 1, base ? 0 : n + e - 1, base ? 0 : 2 * n + e - 1, e,
                n + e, 2 * n + e};
        const double c4 = 1 + 4 * p;
        k[1][1] = k[4][4] =
            inertia / (length * length * length) * (4 * (1 - 2 * p) / c4 + 8 * (1 + p) / c4);
        k[1][3] = k[1][6] =
            -(inertia / (length * length)) * (2 * (1 - 2 * p) / c4 + 4 * (1 + p) / c4);
        k[3][4] = k[4][6] = -k[1][3];
        k[1][4] = -k[1][1];
        k[2][2] = k[5][5] = area / length;
        k[2][5] = -area / length;
        k[3][3] = k[6][6] = inertia / length * 4 * (1 + p) / c4;
        k[3][6] = inertia / length * 2 * (1 - 2 * p) / c4;
    } else if (e <= 2 * n) { // lower-side half-beam, end 1 at mid-span
        const int f = e - n;
        dofs = {0, 0, 0, 0, f, n + f, 2 * n + f};
        const double q = 1 / (1 + p);
        k[2][2] = k[5][5] = 3 * q * inertia / (length * length * length);
        k[2][5] = -k[2][2];
        k[2][6] = 3 * q * inertia / (length * length);
        k[5][6] = -k[2][6];
        k[6][6] = 3 * q * inertia / length;
    } else { // upper-side half-beam, end 1 at the node
        const int f = e - 2 * n;
        dofs = {0, f, n + f, 2 * n + f, 0, 0, 0};
        const double q = 1 / (1 + p);
        k[2][2] = k[5][5] = 3 * q * inertia / (length * length * length);
        k[2][5] = -k[2][2];
        k[2][3] = 3 * q * inertia / (length * length);
        k[3][5] = -k[2][3];
        k[3][3] = 3 * q * inertia / length;
    }
    for (int r = 1; r <= 6; ++r) {
        for (int c = 1; c < r; ++c)
            k[r][c] = k[c][r];
    }
}

} // namespace

bool literalCondensation(const Array3<double>& table, int ritto, int n,
                         std::vector<double>& result) {
    Array2<double> s(1, 3 * n, 1, 3 * n); // ritStiffness
    Matrix6 k{};
    std::array<int, 7> dofs{};
    for (int e = 1; e <= 3 * n; ++e) {
        if (table(ritto, e, 1) != 1.0)
            continue;
        elementMatrix(table, ritto, n, e, k, dofs);
        for (int r = 1; r <= 6; ++r) {
            for (int c = 1; c <= 6; ++c) {
                if (dofs[r] != 0 && dofs[c] != 0)
                    s(dofs[r], dofs[c]) += k[r][c];
            }
        }
    }

    std::vector<double> diagonal(static_cast<std::size_t>(3 * n) + 1);
    for (int d = 1; d <= 3 * n; ++d)
        diagonal[static_cast<std::size_t>(d)] = s(d, d);
    for (int p = n + 1; p <= 3 * n; ++p) {
        const double piv = s(p, p);
        if (singular(piv, diagonal[static_cast<std::size_t>(p)]))
            return false;
        for (int c = n + 1; c <= 3 * n; ++c)
            s(p, c) = -s(p, c) / piv;
        for (int r = n + 1; r <= 3 * n; ++r) {
            if (r == p)
                continue;
            for (int c = n + 1; c <= 3 * n; ++c) {
                if (c != p)
                    s(r, c) = s(p, c) * s(r, p) + s(r, c);
            }
            s(r, p) = s(r, p) / piv;
        }
        s(p, p) = 1 / piv;
    }

    Array2<double> coupling(1, 2 * n, 1, n);
    for (int r = 1; r <= 2 * n; ++r) {
        for (int c = 1; c <= n; ++c) {
            for (int m = 1; m <= 2 * n; ++m)
                coupling(r, c) += s(n + r, n + m) * s(n + m, c);
        }
    }
    Array2<double> condensation(1, n, 1, n);
    for (int r = 1; r <= n; ++r) {
        for (int c = 1; c <= n; ++c) {
            for (int m = 1; m <= 2 * n; ++m)
                condensation(r, c) += s(r, n + m) * coupling(m, c);
        }
    }
    result.assign(static_cast<std::size_t>(n * n), 0.0);
    for (int r = 1; r <= n; ++r) {
        for (int c = 1; c <= n; ++c)
            result[static_cast<std::size_t>((r - 1) * n + c - 1)] = s(r, c) - condensation(r, c);
    }
    return true;
}

LiteralDirection literalRitMatrices(const Model& m, const AnalysisResults& r, Direction d) {
    const int storeys = m.counts.nStoreys;
    const int nodes = static_cast<int>(r.ritStoreys.size());
    LiteralDirection out{Array3<double>(1, nodes, 1, storeys, 1, storeys), 0};
    std::vector<double> result;
    for (int i = 1; i <= nodes; ++i) {
        const int n = r.ritStoreys(i);
        if (n <= 0)
            continue;
        if (!literalCondensation(r[d].ritElements, i, n, result)) {
            out.failedRitto = i;
            break;
        }
        for (int row = 1; row <= n; ++row) {
            for (int c = 1; c <= n; ++c)
                out.matrices(i, row, c) = result[static_cast<std::size_t>((row - 1) * n + c - 1)];
        }
    }
    return out;
}

Array2<double> literalGlobalStiffness(const Model& m, const AnalysisResults& r) {
    const int s = m.counts.nStoreys;
    Array2<double> k(1, 3 * s, 1, 3 * s);
    const auto rotates = [&](int storey) { return m.gyrationRadius(storey) > 0; };
    for (int i = 1; i <= static_cast<int>(r.ritStoreys.size()); ++i) {
        const int n = r.ritStoreys(i);
        const numbering::PlanPoint at = numbering::nodePosition(m, i);
        for (int row = 1; row <= n; ++row) {
            for (int c = 1; c <= n; ++c) {
                const double kx = r[Direction::orthogonalToY].ritMatrix(i, row, c);
                const double ky = r[Direction::orthogonalToX].ritMatrix(i, row, c);
                k(row, c) += kx;
                k(s + row, s + c) += ky;
                if (rotates(c)) {
                    const double xG = m.massCentre(c, 1);
                    const double yG = m.massCentre(c, 2);
                    const double rho = m.gyrationRadius(c);
                    k(row, 2 * s + c) -= (at.y - yG) * kx / rho;
                    k(s + row, 2 * s + c) += (at.x - xG) * ky / rho;
                }
                if (rotates(row) && rotates(c)) {
                    const double rhoRC = m.gyrationRadius(row) * m.gyrationRadius(c);
                    k(2 * s + row, 2 * s + c) +=
                        (at.y - m.massCentre(row, 2)) * (at.y - m.massCentre(c, 2)) / rhoRC * kx +
                        (at.x - m.massCentre(row, 1)) * (at.x - m.massCentre(c, 1)) / rhoRC * ky;
                }
            }
        }
    }
    for (int row = 2 * s + 1; row <= 3 * s; ++row) {
        for (int c = 1; c <= 2 * s; ++c)
            k(row, c) = k(c, row);
    }
    return k;
}

} // namespace orvanta::testing
