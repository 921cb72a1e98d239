#include "behaviour_factor.h"

namespace orvanta {

double proposedAlphaU(StructuralType structure, int storeys, int baysX, int baysY) {
    switch (structure) {
    case StructuralType::frame:
        if (storeys <= 1)
            return 1.1;
        return baysX <= 1 || baysY <= 1 ? 1.2 : 1.3;
    case StructuralType::uncoupledWalls:
        return 1.1;
    case StructuralType::mixed:
        return 1.2;
    }
    return 1.0;
}

namespace {

double basicValue(StructuralType structure, DuctilityClass ductility, double alphaU,
                  bool torsionallyDeformable) {
    const bool highDuctility = ductility == DuctilityClass::A;
    if (torsionallyDeformable)
        return highDuctility ? 3.0 : 2.0;
    if (structure == StructuralType::uncoupledWalls)
        return highDuctility ? 4.0 * alphaU : 3.0;
    return (highDuctility ? 4.5 : 3.0) * alphaU;
}

} // namespace

BehaviourFactor behaviourFactor(const NtcParameters& p, double alphaU, bool regularInPlan,
                                bool torsionallyDeformable, bool regularInElevation) {
    BehaviourFactor f;
    f.alphaU = alphaU;
    f.alphaUUsed = regularInPlan ? alphaU : (1 + alphaU) / 2;
    f.torsionallyDeformable = torsionallyDeformable;
    f.regularInPlan = regularInPlan;
    f.regularInElevation = regularInElevation;
    f.q0 = basicValue(p.structure, p.ductility, f.alphaUUsed, torsionallyDeformable);
    f.kr = regularInElevation ? 1.0 : 0.8;
    f.typed = p.behaviourFactor.has_value();
    f.q = f.typed ? *p.behaviourFactor : f.q0 * f.kr;
    return f;
}

} // namespace orvanta
