#include "ritto_condensation.h"

#include "ritto_elements.h"
#include "zero_pivot.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <system_error>
#include <thread>
#include <utility>

#if defined(__x86_64__)
#include <emmintrin.h>
#endif

namespace orvanta {

namespace detail {

namespace {

// Copies a row of the result to the large result array with stores that do not first read the
// memory they overwrite: the array is far larger than the caches and is not read again until the
// global matrix is assembled, so reading it in would only double the memory traffic.
void streamOut(double* to, const double* from, int count) {
#if defined(__x86_64__)
    for (int c = 0; c < count; ++c) {
        long long bits = 0;
        std::memcpy(&bits, from + c, sizeof bits);
        _mm_stream_si64(reinterpret_cast<long long*>(to + c), bits);
    }
#else
    std::copy(from, from + count, to);
#endif
}

} // namespace

RittoCondenser::RittoCondenser(int maxFloors) : width_(maxFloors + 2) {
    const auto floors = static_cast<std::size_t>(maxFloors + 2);
    for (std::vector<double>* v :
         {&kuu_,  &kuuNext_, &dv_,  &dt_,  &dvt_,   &bv_,     &bt_,  &wLow_,
          &wMid_, &wHigh_,   &x11_, &x12_, &x22_,   &m11_,    &m12_, &m21_,
          &m22_,  &g11_,     &g12_, &g22_, &gvRow_, &gvNext_, &row_})
        v->assign(floors, 0.0);
    const std::size_t square = floors * floors;
    gtt_.assign(square, 0.0);
    h_.assign(square, 0.0);
}

// Adds every bar of the ritto to the floor-by-floor arrays. Bars are taken in row order, and the
// column terms are written as the sums of the bending and shear parts, so the rounding follows
// the element-by-element assembly of the whole matrix closely.
void RittoCondenser::assemble(const double* rows, int n) {
    for (std::vector<double>* v :
         {&kuu_, &kuuNext_, &dv_, &dt_, &dvt_, &bv_, &bt_, &wLow_, &wMid_, &wHigh_})
        std::fill(v->begin(), v->begin() + n + 2, 0.0);

    for (int e = 1; e <= n; ++e) { // column of storey e, from floor e − 1 to floor e
        const double* row = rows + (e - 1) * bar::values;
        if (row[bar::present - 1] != 1.0)
            continue;
        const double length = row[bar::length - 1];
        const double area = row[bar::area - 1];
        const double inertia = row[bar::inertia - 1];
        const double p = row[bar::shear - 1];
        const double c4 = 1 + 4 * p;
        const double lateral = inertia / (length * length * length) *
                               (4 * (1 - 2 * p) / c4 + 8 * (1 + p) / c4); // 12·I/(L³·c4)
        const double lateralRotation =
            -(inertia / (length * length)) * (2 * (1 - 2 * p) / c4 + 4 * (1 + p) / c4);
        const double rotation = inertia / length * 4 * (1 + p) / c4;
        const double carryOver = inertia / length * 2 * (1 - 2 * p) / c4;
        const double axial = area / length;

        if (e >= 2) { // the lower end is floor g, not the fixed base
            const int g = e - 1;
            kuu_[g] += lateral;
            kuuNext_[g] -= lateral;
            dv_[g] += axial;
            bv_[g] -= axial;
            dt_[g] += rotation;
            bt_[g] += carryOver;
            wMid_[g] += lateralRotation;
            wHigh_[g] += lateralRotation;
            wLow_[e] -= lateralRotation;
        }
        kuu_[e] += lateral;
        dv_[e] += axial;
        dt_[e] += rotation;
        wMid_[e] -= lateralRotation;
    }

    for (int side = 1; side <= 2; ++side) { // lower-side, then upper-side half-beams
        for (int f = 1; f <= n; ++f) {
            const double* row = rows + (side * n + f - 1) * bar::values;
            if (row[bar::present - 1] != 1.0)
                continue;
            const double length = row[bar::length - 1];
            const double inertia = row[bar::inertia - 1];
            const double q = 1 / (1 + row[bar::shear - 1]);
            dv_[f] += 3 * q * inertia / (length * length * length);
            dt_[f] += 3 * q * inertia / length;
            const double coupling = 3 * q * inertia / (length * length);
            dvt_[f] += side == 1 ? -coupling : coupling;
        }
    }
}

// Upward elimination of the vertical and rotational DOFs, floor by floor: Δ_f and its inverse.
bool RittoCondenser::factorise(int n) {
    for (int f = 1; f <= n; ++f) {
        double a11 = dv_[f];
        double a12 = dvt_[f];
        double a22 = dt_[f];
        if (f > 1) { // Δ_f = D_f − B Δ_{f−1}⁻¹ B with B = diag(bv, bt) of the column below
            const double bv = bv_[f - 1];
            const double bt = bt_[f - 1];
            a11 -= bv * bv * x11_[f - 1];
            a12 -= bv * bt * x12_[f - 1];
            a22 -= bt * bt * x22_[f - 1];
        }
        if (isZeroPivot(a11, dv_[f]))
            return false;
        const double l = a12 / a11;
        const double p2 = a22 - l * a12;
        if (isZeroPivot(p2, dt_[f]))
            return false;
        x22_[f] = 1 / p2;
        x12_[f] = -l * x22_[f];
        x11_[f] = 1 / a11 + l * l * x22_[f];
    }
    return true;
}

// Downward sweep: the rotation–rotation terms of Koo⁻¹, all n × n of them.
void RittoCondenser::invertRotations(int n) {
    for (int f = 1; f < n; ++f) { // M_f = −Δ_f⁻¹ B_f
        m11_[f] = -x11_[f] * bv_[f];
        m12_[f] = -x12_[f] * bt_[f];
        m21_[f] = -x12_[f] * bv_[f];
        m22_[f] = -x22_[f] * bt_[f];
    }
    g11_[n] = x11_[n];
    g12_[n] = x12_[n];
    g22_[n] = x22_[n];
    for (int f = n - 1; f >= 1; --f) { // G_ff = Δ_f⁻¹ + M_f G_{f+1,f+1} M_fᵀ
        const double p11 = m11_[f] * g11_[f + 1] + m12_[f] * g12_[f + 1];
        const double p12 = m11_[f] * g12_[f + 1] + m12_[f] * g22_[f + 1];
        const double p21 = m21_[f] * g11_[f + 1] + m22_[f] * g12_[f + 1];
        const double p22 = m21_[f] * g12_[f + 1] + m22_[f] * g22_[f + 1];
        g11_[f] = x11_[f] + p11 * m11_[f] + p12 * m12_[f];
        g12_[f] = x12_[f] + p11 * m21_[f] + p12 * m22_[f];
        g22_[f] = x22_[f] + p21 * m21_[f] + p22 * m22_[f];
    }

    // Rotation column of G_ab, a ≤ b, row by row downwards: G_ab = M_a G_{a+1,b}.
    const int w = width_;
    double* next = gvNext_.data(); // vertical–rotation terms G_{a+1,b}(v, θ)
    double* current = gvRow_.data();
    for (int a = n; a >= 1; --a) {
        double* gt = gtt_.data() + a * w;
        const double* gtBelow = gt + w; // row a + 1
        const double m11 = m11_[a], m12 = m12_[a], m21 = m21_[a], m22 = m22_[a];
        for (int b = a + 1; b <= n; ++b) {
            current[b] = m11 * next[b] + m12 * gtBelow[b];
            gt[b] = m21 * next[b] + m22 * gtBelow[b];
        }
        current[a] = g12_[a];
        gt[a] = g22_[a];
        std::swap(current, next);
    }
    for (int a = 1; a <= n; ++a) { // symmetry, and the zero padding columns 0 and n + 1
        double* gt = gtt_.data() + a * w;
        gt[0] = 0;
        gt[n + 1] = 0;
        for (int b = 1; b < a; ++b)
            gt[b] = gtt_[static_cast<std::size_t>(b * w + a)];
    }
}

// K = Ktt − W G_θθ Wᵀ, through H = G_θθ Wᵀ. K is symmetric: its upper triangle is computed (it
// needs H(a, c) only for c ≥ a − 1) and mirrored.
void RittoCondenser::condenseTranslations(int n, double* out, int stride) {
    const int w = width_;
    wLow_[1] = 0; // no rotation below the first floor or above the last one
    wHigh_[n] = 0;
    std::fill(h_.begin(), h_.begin() + w, 0.0); // row 0
    std::fill(h_.begin() + (n + 1) * w, h_.begin() + (n + 2) * w, 0.0);
    const double* wl = wLow_.data();
    const double* wm = wMid_.data();
    const double* wh = wHigh_.data();
    for (int a = 1; a <= n; ++a) {
        const double* g = gtt_.data() + a * w;
        double* h = h_.data() + a * w;
        for (int c = std::max(1, a - 1); c <= n; ++c)
            h[c] = g[c - 1] * wl[c] + g[c] * wm[c] + g[c + 1] * wh[c];
    }
    // The upper triangle of K, row r at k(r, ·), into the rotation terms' storage, now free.
    for (int r = 1; r <= n; ++r) {
        const double* below = h_.data() + (r - 1) * w;
        const double* at = below + w;
        const double* above = at + w;
        const double low = wl[r], mid = wm[r], high = wh[r];
        double* k = gtt_.data() + r * w;
        for (int c = r; c <= n; ++c)
            k[c] = -(low * below[c] + mid * at[c] + high * above[c]);
        k[r] += kuu_[r];
        if (r < n)
            k[r + 1] += kuuNext_[r];
    }
    double* row = row_.data(); // row[c − 1] for floor c, zeros beyond n up to the stride
    for (int r = 1; r <= n; ++r) {
        for (int c = 1; c < r; ++c)
            row[c - 1] = gtt_[static_cast<std::size_t>(c * w + r)];
        const double* k = gtt_.data() + r * w;
        std::copy(k + r, k + n + 1, row + r - 1);
        streamOut(out + (r - 1) * stride, row, stride);
    }
    std::fill(row_.begin(), row_.end(), 0.0);
    for (int r = n + 1; r <= stride; ++r)
        streamOut(out + (r - 1) * stride, row, stride);
}

void RittoCondenser::finishOutput() {
#if defined(__x86_64__)
    _mm_sfence();
#endif
}

bool RittoCondenser::condense(const double* rows, int n, double* out, int stride) {
    assemble(rows, n);
    if (!factorise(n))
        return false;
    invertRotations(n);
    condenseTranslations(n, out, stride);
    return true;
}

} // namespace detail

namespace {

void reportNotInvertible(Asker& asker) {
    asker.tell({"Attenzione: la matrice di rigidezza di uno dei ritti risulta",
                "            non essere definita positiva e non è pertanto invertibile."},
               "Errore di Inversione della Matrice", MessageIcon::Critical);
}

} // namespace

namespace {

// Ritti are handed out to the threads in chunks, in increasing order; each ritto's matrix
// depends on its own element rows alone, so the results do not depend on which thread
// condensed it, nor on how many threads there are.
constexpr int chunkRitti = 32;

// The ritti of one direction being condensed, shared by the threads.
struct CondensationJob {
    const Array3<double>& table;
    const Array1<std::int16_t>& heights;
    Array3<double>& result;
    int nodes;
    int storeys;
    std::atomic<int> next{1};   // first ritto of the next chunk
    std::atomic<int> done{0};   // ritti finished
    std::atomic<int> failed{0}; // lowest ritto with a zero pivot so far; 0 = none
};

void condenseChunks(CondensationJob& job, detail::RittoCondenser& condenser,
                    ProgressStage* progress) {
    for (;;) {
        const int first = job.next.fetch_add(chunkRitti);
        if (first > job.nodes)
            break;
        const int last = std::min(job.nodes, first + chunkRitti - 1);
        for (int i = first; i <= last; ++i) {
            const int failed = job.failed.load(std::memory_order_relaxed);
            const int n = failed != 0 && i > failed ? 0 : job.heights(i);
            double* block = job.result.block(i).data();
            if (n > 0 && condenser.condense(job.table.block(i).data(), n, block, job.storeys))
                continue;
            if (n > 0) { // keep the lowest failing ritto
                int seen = job.failed.load();
                while ((seen == 0 || i < seen) && !job.failed.compare_exchange_weak(seen, i)) {
                }
            }
            std::fill(block, block + job.storeys * job.storeys, 0.0);
        }
        const int done = job.done.fetch_add(last - first + 1) + last - first + 1;
        if (progress)
            progress->report(static_cast<double>(done) / job.nodes);
    }
    detail::RittoCondenser::finishOutput();
}

} // namespace

bool computeRitMatrices(const Model& m, AnalysisResults& r, Direction direction, Asker& asker,
                        ProgressStage progress) {
    const int storeys = m.counts.nStoreys;
    const int nodes = static_cast<int>(r.ritStoreys.size());
    Array3<double>& result = r[direction].ritMatrix;
    if (!result.hasBounds(1, nodes, 1, storeys, 1, storeys)) { // else reused, written in full
        result = Array3<double>{}; // release an earlier result before allocating the new one
        result = Array3<double>(uninitialized, 1, nodes, 1, storeys, 1, storeys);
    }
    CondensationJob job{r[direction].ritElements, r.ritStoreys, result, nodes, storeys};

    // One condenser per thread, made here so that running out of memory is this thread's to
    // report; the helpers are started only when there is more than a chunk to share.
    const int wanted = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    const int threads = std::clamp((nodes + chunkRitti - 1) / chunkRitti, 1, wanted);
    std::vector<detail::RittoCondenser> condensers;
    condensers.reserve(static_cast<std::size_t>(threads));
    for (int t = 0; t < threads; ++t)
        condensers.emplace_back(storeys);
    {
        std::vector<std::jthread> helpers;
        for (int t = 1; t < threads; ++t) {
            try {
                helpers.emplace_back(condenseChunks, std::ref(job), std::ref(condensers[t]),
                                     nullptr);
            } catch (const std::system_error&) {
                break; // no more threads to be had: the others share the work
            }
        }
        condenseChunks(job, condensers[0], progress.active() ? &progress : nullptr);
    } // the helpers are joined here

    // As one thread condensing in order would leave it: from the first ritto with a zero pivot
    // on, every matrix of the direction is zero, and the message is shown once.
    const int failed = job.failed.load();
    if (failed == 0)
        return true;
    for (int i = failed; i <= nodes; ++i)
        std::fill(result.block(i).begin(), result.block(i).end(), 0.0);
    reportNotInvertible(asker);
    return false;
}

} // namespace orvanta
