#include "element_records.h"

namespace orvanta {

namespace {

double& field(Model& m, int storey, int slot, int value) {
    return m.members(storey, slot, value);
}

double field(const Model& m, int storey, int slot, int value) {
    return m.members(storey, slot, value);
}

void writeSection(Model& m, int storey, int slot, double shape, double base, double height,
                  double thickness1, double thickness2) {
    field(m, storey, slot, member::shape) = shape;
    field(m, storey, slot, member::base) = base;
    field(m, storey, slot, member::height) = height;
    field(m, storey, slot, member::thickness1) = thickness1;
    field(m, storey, slot, member::thickness2) = thickness2;
}

} // namespace

bool isPresent(const Model& model, int storey, int slot) {
    return field(model, storey, slot, member::present) == 1.0;
}

void setPresent(Model& model, int storey, int slot, bool present) {
    field(model, storey, slot, member::present) = present ? 1.0 : 0.0;
}

ColumnSection columnSection(const Model& model, int storey, int slot) {
    return {field(model, storey, slot, member::shape) != 0 ? ColumnShape::box
                                                           : ColumnShape::rectangle,
            field(model, storey, slot, member::base), field(model, storey, slot, member::height),
            field(model, storey, slot, member::thickness1),
            field(model, storey, slot, member::thickness2)};
}

BeamSection beamSection(const Model& model, int storey, int slot) {
    return {field(model, storey, slot, member::shape) != 0 ? BeamShape::tee : BeamShape::rectangle,
            field(model, storey, slot, member::base), field(model, storey, slot, member::height),
            field(model, storey, slot, member::thickness1),
            field(model, storey, slot, member::thickness2)};
}

void setColumnSection(Model& model, int storey, int slot, const ColumnSection& s) {
    writeSection(model, storey, slot, static_cast<double>(s.shape), s.base, s.height, s.wallsAlongX,
                 s.wallsAlongY);
}

void setBeamSection(Model& model, int storey, int slot, const BeamSection& s) {
    writeSection(model, storey, slot, static_cast<double>(s.shape), s.base, s.height, s.flange,
                 s.web);
}

void placeColumn(Model& model, int storey, int slot, const ColumnSection& section) {
    setPresent(model, storey, slot, true);
    setColumnSection(model, storey, slot, section);
}

void placeBeam(Model& model, int storey, int slot, const BeamSection& section) {
    setPresent(model, storey, slot, true);
    setBeamSection(model, storey, slot, section);
}

Slab slabAt(const Model& model, int storey, int bay) {
    const auto value = [&](int k) { return model.slabs(storey, bay, k); };
    return {value(slab::present) == 1.0,
            value(slab::direction) == static_cast<double>(SlabSpan::alongY) ? SlabSpan::alongY
                                                                            : SlabSpan::alongX,
            value(slab::permanent),
            value(slab::variable),
            value(slab::share),
            value(slab::sideX),
            value(slab::sideY)};
}

void setSlab(Model& model, int storey, int bay, const Slab& s) {
    const auto value = [&](int k) -> double& { return model.slabs(storey, bay, k); };
    value(slab::present) = s.present ? 1.0 : 0.0;
    value(slab::direction) = static_cast<double>(s.span);
    value(slab::permanent) = s.permanent;
    value(slab::variable) = s.variable;
    value(slab::share) = s.share;
    value(slab::sideX) = s.sideX;
    value(slab::sideY) = s.sideY;
}

void setSlabPresent(Model& model, int storey, int bay, bool present) {
    model.slabs(storey, bay, slab::present) = present ? 1.0 : 0.0;
}

} // namespace orvanta
