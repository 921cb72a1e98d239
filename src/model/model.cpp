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

DerivedSizes Model::sizes() const {
    const SizeCheck check = deriveSizes(counts);
    return check.sizes.value_or(DerivedSizes{});
}

} // namespace orvanta
