#pragma once

// Translational stiffness of every ritto by static condensation.
//
// A ritto of n floors has 3n degrees of freedom: the horizontal translations u_f of its floors
// in its plane, their vertical translations v_f and rotations θ_f (the base and the mid-span ends
// of the half-beams are fixed). Its plane stiffness, partitioned into t = (u) and o = (v, θ), is
// condensed onto the translations:
//
//     K = Ktt − Kto · Koo⁻¹ · Kot          (n × n, per unit E: mm when lengths are in mm)
//
// Columns are Timoshenko bars (12·I/(L³·(1 + 4p)) lateral, A/L axial, 4·I·(1 + p)/(L·(1 + 4p))
// and 2·I·(1 − 2p)/(L·(1 + 4p)) rotational); a half-beam pinned at mid-span adds 3·q·I/L³
// vertical, 3·q·I/L rotational and ∓3·q·I/L² vertical–rotational stiffness to its floor, with
// q = 1/(1 + p). A one-storey column alone gives K = 3·I/(L³·(1 + p)).
//
// Koo couples only adjacent floors, so it is block tridiagonal with 2 × 2 blocks D_f (v_f, θ_f)
// and diagonal couplings B_f between floors f and f + 1 (the axial and rotational terms of the
// column above f). Kot touches only rotations: u_r couples with θ_{r−1}, θ_r, θ_{r+1}. The
// condensation therefore needs only the rotation–rotation part G_θθ of Koo⁻¹ and runs in O(n²):
//   1. floor by floor upwards, the Schur complements Δ_1 = D_1, Δ_f = D_f − B_{f−1} Δ_{f−1}⁻¹
//   B_{f−1},
//      eliminating v_f then θ_f (the zero-pivot test of each against its own diagonal term);
//   2. downwards, M_f = −Δ_f⁻¹ B_f, the diagonal blocks G_ff = Δ_f⁻¹ + M_f G_{f+1,f+1} M_fᵀ and,
//      for a < b, the rotation column of G_ab = M_a G_{a+1,b};
//   3. K = Ktt − W G_θθ Wᵀ, with W the tridiagonal u–θ coupling.
// The result agrees with the unpivoted Gauss–Jordan elimination of the whole Koo to rounding.

#include "analysis_results.h"
#include "model.h"
#include "progress.h"
#include "user_interaction.h"

#include <span>
#include <vector>

namespace orvanta {

// The ritMatrix of one set of ritti from its ritElements. Allocates the matrices and fills every
// term: for ritto i the n × n block with n = ritStoreys(i), zeros elsewhere. On a zero pivot it
// shows "Errore di Inversione della Matrice" (critical icon) and stops: that ritto and every
// later one keep zero matrices, and the result is false.
//
// The ritti are condensed on every core the machine has, each ritto's matrix by one thread as a
// whole, so the results are the same, bit for bit, as on one core. Progress is reported as the
// fraction of the ritti done.
bool computeRitMatrices(const Model& model, AnalysisResults& results, Direction direction,
                        Asker& asker, ProgressStage progress = {});

namespace detail {

// Working storage for condensing ritti of up to `maxFloors` floors, allocated once.
class RittoCondenser {
public:
    explicit RittoCondenser(int maxFloors);

    // Condenses one ritto of n floors whose element rows (3n rows of 5 properties, packed as in
    // the element tables) start at `rows`. Writes the stride × stride block at `out`: the n × n
    // matrix, row r at out + (r − 1)·stride, and zeros around it (stride ≤ maxFloors). Returns
    // false on a zero pivot, leaving `out` untouched.
    bool condense(const double* rows, int n, double* out, int stride);
    // Makes the results written so far visible to every later reader; call once after the last
    // ritto.
    static void finishOutput();

private:
    void assemble(const double* rows, int n);
    bool factorise(int n);
    void invertRotations(int n);
    void condenseTranslations(int n, double* out, int stride);

    int width_; // row length of the n × n scratch matrices, with one zero column each side
    // Per floor f (index f, 0 and n + 1 unused): Ktt diagonal and its term (f, f + 1); Koo
    // blocks D_f = [dv dvt; dvt dt] and couplings B_f = diag(bv, bt); u–θ couplings W(f, f − 1),
    // W(f, f), W(f, f + 1).
    std::vector<double> kuu_, kuuNext_, dv_, dt_, dvt_, bv_, bt_, wLow_, wMid_, wHigh_;
    // Inverses of the Schur complements Δ_f (symmetric 2 × 2) and the downward multipliers M_f.
    std::vector<double> x11_, x12_, x22_, m11_, m12_, m21_, m22_;
    // Diagonal blocks of Koo⁻¹.
    std::vector<double> g11_, g12_, g22_;
    // Rotation terms of Koo⁻¹ (n × n, padded), the vertical terms of one row pair, and
    // H = G_θθ Wᵀ.
    std::vector<double> gtt_, gvRow_, gvNext_, h_;
    std::vector<double> row_; // one row of the result on its way out
};

} // namespace detail

} // namespace orvanta
