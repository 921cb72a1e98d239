#include "analysis_readiness.h"

#include <cmath>

namespace orvanta {

namespace {

constexpr const char* refusalTitle = "Impossibile calcolare le matrici";

template <class Array> bool spans(const Array& array, int lower, int upper) {
    return array.lower() == lower && array.upper() == upper;
}

template <class Array>
bool spans(const Array& array, int lower1, int upper1, int lower2, int upper2) {
    return array.lower(1) == lower1 && array.upper(1) == upper1 && array.lower(2) == lower2 &&
           array.upper(2) == upper2;
}

template <class Array>
bool spans(const Array& array, int lower1, int upper1, int lower2, int upper2, int lower3,
           int upper3) {
    return spans(array, lower1, upper1, lower2, upper2) && array.lower(3) == lower3 &&
           array.upper(3) == upper3;
}

bool arraysMatchCounts(const Model& m) {
    const SizeCheck check = deriveSizes(m.counts);
    if (!check.sizes)
        return false;
    const DerivedSizes& s = *check.sizes;
    const int storeys = m.counts.nStoreys;
    return spans(m.coordX, 1, s.xValues) && spans(m.coordY, 1, s.yValues) &&
           spans(m.levelZ, 1, s.levels) &&
           spans(m.members, 1, storeys, 1, s.nSlots, 1, member::values) &&
           spans(m.slabs, 1, storeys, 1, s.bays, 1, slab::values) &&
           spans(m.beamLoads, 1, storeys, 1, s.loadSlots) &&
           spans(m.massCentre, 1, storeys, 1, 2) && spans(m.gyrationRadius, 1, storeys) &&
           spans(m.storeyForce, 1, storeys);
}

bool loadsDistributed(const Model& m) {
    for (int k = 1; k <= m.counts.nStoreys; ++k) {
        const double radius = m.gyrationRadius(k);
        if (!std::isfinite(radius) || radius <= 0)
            return false;
    }
    return true;
}

} // namespace

std::optional<Message> calculationRefusal(const Model& model) {
    if (!arraysMatchCounts(model))
        return Message{{"La struttura non è stata ancora definita completamente",
                        "Completare le fasi di input prima di procedere"},
                       refusalTitle,
                       MessageIcon::Exclamation,
                       MessageButtons::Ok};
    if (!loadsDistributed(model))
        return Message{{"I carichi non sono stati ancora distribuiti su tutti i piani",
                        "Completare la fase di input dei carichi prima di procedere"},
                       refusalTitle,
                       MessageIcon::Exclamation,
                       MessageButtons::Ok};
    return std::nullopt;
}

} // namespace orvanta
