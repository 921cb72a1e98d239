#include "model.h"

namespace orvanta {

std::optional<Model> Model::allocate(const Counts& counts, std::string* error) {
    const SizeCheck check = deriveSizes(counts);
    if (!check.sizes) {
        if (error)
            *error = check.error;
        return std::nullopt;
    }
    const DerivedSizes& s = *check.sizes;
    const int storeys = counts.nStoreys;
    Model model;
    model.counts = counts;
    model.coordX = Array1<double>(1, s.xValues);
    model.coordY = Array1<double>(1, s.yValues);
    model.levelZ = Array1<double>(1, s.levels);
    model.members = Array3<double>(1, storeys, 1, s.nSlots, 1, member::values);
    model.slabs = Array3<double>(1, storeys, 1, s.bays, 1, slab::values);
    model.beamLoads = Array2<double>(1, storeys, 1, s.loadSlots);
    model.massCentre = Array2<double>(1, storeys, 1, 2);
    model.gyrationRadius = Array1<double>(1, storeys);
    model.storeyForce = Array1<double>(1, storeys);
    return model;
}

namespace {

template <class T> bool spans(const Array1<T>& a, int upper) {
    return a.lower() == 1 && a.upper() == upper;
}

template <class T> bool spans(const Array2<T>& a, int upper1, int upper2) {
    return a.lower(1) == 1 && a.upper(1) == upper1 && a.lower(2) == 1 && a.upper(2) == upper2;
}

template <class T> bool spans(const Array3<T>& a, int upper1, int upper2, int upper3) {
    return a.lower(1) == 1 && a.upper(1) == upper1 && a.lower(2) == 1 && a.upper(2) == upper2 &&
           a.lower(3) == 1 && a.upper(3) == upper3;
}

} // namespace

bool Model::hasCompleteArrays() const {
    const SizeCheck check = deriveSizes(counts);
    if (!check.sizes)
        return false;
    const DerivedSizes& s = *check.sizes;
    const int storeys = counts.nStoreys;
    return spans(coordX, s.xValues) && spans(coordY, s.yValues) && spans(levelZ, s.levels) &&
           spans(members, storeys, s.nSlots, member::values) &&
           spans(slabs, storeys, s.bays, slab::values) && spans(beamLoads, storeys, s.loadSlots) &&
           spans(massCentre, storeys, 2) && spans(gyrationRadius, storeys) &&
           spans(storeyForce, storeys);
}

bool Model::hasWritableArrays() const {
    const SizeCheck check = deriveSizes(counts);
    if (!check.sizes)
        return false;
    const DerivedSizes& s = *check.sizes;
    const int storeys = counts.nStoreys;
    const auto absentOr = [](const auto& array, bool spanned) { return array.empty() || spanned; };
    return spans(coordX, s.xValues) && spans(coordY, s.yValues) && spans(levelZ, s.levels) &&
           absentOr(members, spans(members, storeys, s.nSlots, member::values)) &&
           absentOr(slabs, spans(slabs, storeys, s.bays, slab::values)) &&
           absentOr(beamLoads, spans(beamLoads, storeys, s.loadSlots)) &&
           absentOr(massCentre, spans(massCentre, storeys, 2)) &&
           absentOr(gyrationRadius, spans(gyrationRadius, storeys)) &&
           absentOr(storeyForce, spans(storeyForce, storeys));
}

DerivedSizes Model::sizes() const {
    const SizeCheck check = deriveSizes(counts);
    return check.sizes.value_or(DerivedSizes{});
}

} // namespace orvanta
