#include "symmetric_algebra.h"

#include "zero_pivot.h"

#include <Eigen/Cholesky>
#include <Eigen/Eigenvalues>
#include <cmath>

namespace orvanta {

namespace {

using Matrix = Eigen::MatrixXd;
using RowMajorMatrix = Eigen::Matrix<double, Eigen::Dynamic, Eigen::Dynamic, Eigen::RowMajor>;

Matrix symmetricPart(const Array2<double>& k) {
    const auto n = static_cast<Eigen::Index>(k.upper(1) - k.lower(1) + 1);
    const Eigen::Map<const RowMajorMatrix> view(k.data(), n, n);
    return 0.5 * (view + view.transpose());
}

// Whether the Cholesky factor of a positive definite matrix has every pivot clear of zero.
bool pivotsClearOfZero(const Matrix& a, const Matrix& factor, Eigen::Index size) {
    for (Eigen::Index i = 0; i < size; ++i) {
        if (isZeroPivot(factor(i, i) * factor(i, i), a(i, i)))
            return false;
    }
    return true;
}

// Whether the leading block a(0..size − 1, 0..size − 1) is positive definite. A leading block
// of the factor is the factor of the leading block, so the answer is true up to the first failing
// freedom and false from it on.
bool leadingBlockPositive(const Matrix& a, Eigen::Index size) {
    if (size == 0)
        return true;
    const Eigen::LLT<Matrix> llt(a.topLeftCorner(size, size));
    return llt.info() == Eigen::Success && pivotsClearOfZero(a, llt.matrixLLT(), size);
}

// The first failing freedom, 1-based, of a matrix that is not positive definite: the smallest
// leading block that fails, found by bisection (a few factorisations, on this path only).
int firstFailingFreedom(const Matrix& a) {
    Eigen::Index passes = 0;
    Eigen::Index fails = a.rows();
    while (fails - passes > 1) {
        const Eigen::Index middle = passes + (fails - passes) / 2;
        (leadingBlockPositive(a, middle) ? passes : fails) = middle;
    }
    return static_cast<int>(fails);
}

int firstRowNotFinite(const Matrix& a) {
    for (Eigen::Index i = 0; i < a.rows(); ++i) {
        if (!a.row(i).allFinite())
            return static_cast<int>(i + 1);
    }
    return 0;
}

Array2<double> toArray(const Matrix& a) {
    const int n = static_cast<int>(a.rows());
    Array2<double> out(uninitialized, 1, n, 1, n);
    Eigen::Map<RowMajorMatrix>(out.data(), a.rows(), a.cols()) = a;
    return out;
}

} // namespace

PositiveDefiniteInverse invertPositiveDefinite(const Array2<double>& k) {
    const Matrix a = symmetricPart(k);
    if (const int row = firstRowNotFinite(a))
        return {{}, row, true};
    const Eigen::LLT<Matrix> llt(a);
    if (llt.info() != Eigen::Success || !pivotsClearOfZero(a, llt.matrixLLT(), a.rows()))
        return {{}, firstFailingFreedom(a), false};
    return {toArray(llt.solve(Matrix::Identity(a.rows(), a.cols()))), 0, false};
}

EigenPairs diagonalMassEigenPairs(const Array2<double>& k, const Array1<double>& diagonal) {
    const Matrix a = symmetricPart(k);
    const Eigen::Index n = a.rows();
    const Eigen::VectorXd scale =
        Eigen::Map<const Eigen::VectorXd>(diagonal.data(), n).cwiseSqrt().cwiseInverse();
    const Matrix reduced = scale.asDiagonal() * a * scale.asDiagonal();
    const Eigen::SelfAdjointEigenSolver<Matrix> solver(reduced);

    EigenPairs pairs;
    pairs.converged = solver.info() == Eigen::Success;
    if (!pairs.converged)
        return pairs;
    pairs.values = Array1<double>(uninitialized, 1, static_cast<int>(n));
    Eigen::Map<Eigen::VectorXd>(pairs.values.data(), n) = solver.eigenvalues();
    // ϕ_j = D^(−1/2)·y_j, stored as the rows of the result.
    pairs.shapes = toArray((scale.asDiagonal() * solver.eigenvectors()).transpose());
    return pairs;
}

EigenPairs massEigenPairs(const Array2<double>& k, const Array2<double>& mass) {
    const Matrix a = symmetricPart(k);
    const Matrix b = symmetricPart(mass);
    EigenPairs pairs;
    if (!a.allFinite() || !b.allFinite() || Eigen::LLT<Matrix>(b).info() != Eigen::Success)
        return pairs;
    const Eigen::GeneralizedSelfAdjointEigenSolver<Matrix> solver(a, b);
    pairs.converged = solver.info() == Eigen::Success;
    if (!pairs.converged)
        return pairs;
    const auto n = static_cast<int>(a.rows());
    pairs.values = Array1<double>(uninitialized, 1, n);
    Eigen::Map<Eigen::VectorXd>(pairs.values.data(), a.rows()) = solver.eigenvalues();
    pairs.shapes = toArray(solver.eigenvectors().transpose());
    return pairs;
}

} // namespace orvanta
