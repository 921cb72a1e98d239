#include "storey_copy.h"

#include "element_records.h"

#include <algorithm>

namespace orvanta {

namespace {

constexpr const char* copyTitle = "Impossibile copiare il piano";

ElementCount elementsOfStorey(const Model& m, int storey) {
    ElementCount count;
    const Counts& c = m.counts;
    const DerivedSizes sizes = m.sizes();
    const int loadSlots = sizes.loadSlots;
    for (int s = 1; s <= sizes.nSlots; ++s) {
        if (!isPresent(m, storey, s))
            continue;
        const bool column = s <= c.nX * c.nY || s > loadSlots;
        ++(column ? count.columns : count.beams);
    }
    for (int b = 1; b <= m.slabs.upper(2) && !m.slabs.empty(); ++b) {
        if (slabAt(m, storey, b).present)
            ++count.slabs;
    }
    return count;
}

} // namespace

StructuralEdit copyStorey(const Model& model, int from, int first, int last) {
    StructuralEdit edit;
    const int storeys = model.counts.nStoreys;
    const DerivedSizes sizes = model.sizes();
    const bool hasSlabs = model.slabs.hasBounds(1, storeys, 1, sizes.bays, 1, slab::values);
    if (!model.members.hasBounds(1, storeys, 1, sizes.nSlots, 1, member::values) || from < 1 ||
        from > storeys || first < 1 || last > storeys || first > last) {
        edit.refusal = Message{{"I piani indicati non esistono",
                                "Scegliere piani compresi tra 1 e " + std::to_string(storeys)},
                               copyTitle,
                               MessageIcon::Exclamation,
                               MessageButtons::Ok};
        return edit;
    }
    Model m = model;
    const std::span<const double> members = model.members.block(from);
    const std::span<const double> slabs =
        hasSlabs ? model.slabs.block(from) : std::span<const double>{};
    for (int k = first; k <= last; ++k) {
        if (k == from)
            continue;
        const ElementCount had = elementsOfStorey(model, k);
        edit.removed.columns += had.columns;
        edit.removed.beams += had.beams;
        edit.removed.slabs += had.slabs;
        std::copy(members.begin(), members.end(), m.members.block(k).begin());
        if (hasSlabs)
            std::copy(slabs.begin(), slabs.end(), m.slabs.block(k).begin());
    }
    // A building still in its first phases has no load results yet.
    if (model.beamLoads.empty()) {
        edit.model = std::move(m);
        return edit;
    }
    m.beamLoads = Array2<double>(1, storeys, 1, sizes.loadSlots);
    m.massCentre = Array2<double>(1, storeys, 1, 2);
    m.gyrationRadius = Array1<double>(1, storeys);
    m.storeyForce = Array1<double>(1, storeys);
    edit.model = std::move(m);
    return edit;
}

} // namespace orvanta
