#include "deformed_shape.h"

#include "zero_pivot.h"

#include <cmath>
#include <vector>

namespace orvanta {

bool invertInPlace(Array2<double>& a) {
    const int n = a.upper(1);
    std::vector<double> diagonal(static_cast<std::size_t>(n) + 1);
    for (int k = 1; k <= n; ++k)
        diagonal[static_cast<std::size_t>(k)] = a(k, k);
    for (int k = 1; k <= n; ++k) {
        const double p = a(k, k);
        if (isZeroPivot(p, diagonal[static_cast<std::size_t>(k)]))
            return false;
        for (int j = 1; j <= n; ++j)
            a(k, j) = -a(k, j) / p;
        for (int i = 1; i <= n; ++i) {
            if (i == k)
                continue;
            for (int j = 1; j <= n; ++j) {
                if (j != k)
                    a(i, j) = a(i, j) + a(i, k) * a(k, j);
            }
        }
        for (int i = 1; i <= n; ++i)
            a(i, k) = a(i, k) / p;
        a(k, k) = 1 / p;
    }
    return true;
}

void computeDeformedShape(const Model& m, AnalysisResults& r, Asker& asker) {
    const int n = m.counts.nStoreys;
    Array2<double>& flexibilityX = r[Direction::orthogonalToY].flexibility;
    Array2<double>& flexibilityY = r[Direction::orthogonalToX].flexibility;
    flexibilityX = Array2<double>(1, n, 1, n);
    flexibilityY = Array2<double>(1, n, 1, n);
    r.deformedShape = Array2<double>(1, 2, 0, n);
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j) {
            flexibilityX(i, j) = r.globalStiffness(i, j);
            flexibilityY(i, j) = r.globalStiffness(n + i, n + j);
        }
    }
    if (!invertInPlace(flexibilityX) || !invertInPlace(flexibilityY)) {
        asker.tell({"Attenzione: la matrice di rigidezza risulta non essere",
                    "            definita positiva e non è pertanto invertibile."},
                   "Errore di Inversione della Matrice", MessageIcon::Critical);
        return;
    }
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j) {
            r.deformedShape(1, i) += m.storeyForce(j) * flexibilityX(i, j);
            r.deformedShape(2, i) += m.storeyForce(j) * flexibilityY(i, j);
        }
    }
    // One factor for both directions, the larger top displacement drawn 2000 long (ties: Y).
    const double top = r.deformedShape(1, n) > r.deformedShape(2, n) ? r.deformedShape(1, n)
                                                                     : r.deformedShape(2, n);
    if (top == 0)
        return;
    const double factor = 2000 / top;
    for (int d = 1; d <= 2; ++d) {
        for (int k = 1; k <= n; ++k) {
            // A top displacement so small that 2000/top overflows (storey forces of 1E-320)
            // is divided out first.
            double& value = r.deformedShape(d, k);
            value = std::isfinite(factor) ? value * factor : value / top * 2000;
        }
    }
}

} // namespace orvanta
