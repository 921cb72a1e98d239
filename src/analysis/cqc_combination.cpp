#include "cqc_combination.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace orvanta {

double cqcCorrelation(double periodI, double periodJ, double damping) {
    const double beta = periodJ / periodI;
    const double xi2 = damping * damping;
    const double numerator = 8 * xi2 * (1 + beta) * std::pow(beta, 1.5);
    const double denominator =
        (1 - beta * beta) * (1 - beta * beta) + 4 * xi2 * beta * (1 + beta) * (1 + beta);
    return numerator / denominator;
}

CqcCombination::CqcCombination(std::span<const double> periods, double damping)
    : count_(static_cast<int>(periods.size())), correlation_(periods.size() * periods.size()) {
    for (std::size_t i = 0; i < periods.size(); ++i) {
        for (std::size_t j = 0; j < periods.size(); ++j)
            correlation_[i * periods.size() + j] =
                i == j ? 1.0 : cqcCorrelation(periods[i], periods[j], damping);
    }
}

double CqcCombination::combine(std::span<const double> modal) const {
    const auto n = static_cast<std::size_t>(count_);
    double sum = 0;
    for (std::size_t i = 0; i < n; ++i) {
        if (modal[i] == 0)
            continue;
        double row = 0;
        for (std::size_t j = 0; j < n; ++j)
            row += correlation_[i * n + j] * modal[j];
        sum += modal[i] * row;
    }
    // The correlation matrix is positive semi-definite: a negative sum is rounding only.
    return std::sqrt(std::max(sum, 0.0));
}

} // namespace orvanta
