#include "beam_line_loads.h"

#include "element_records.h"
#include "numbering.h"

namespace orvanta {

std::string beamLineLoadKey(int storey, int slot) {
    return settingKey::beamLineLoadPrefix + std::to_string(storey) + "." + std::to_string(slot);
}

double beamLineLoad(const Model& model, int storey, int slot) {
    return model.settings.number(beamLineLoadKey(storey, slot)).value_or(0.0);
}

void setBeamLineLoad(Model& model, int storey, int slot, double kiloNewtonPerMetre) {
    const std::string key = beamLineLoadKey(storey, slot);
    if (kiloNewtonPerMetre == 0)
        model.settings.erase(key);
    else
        model.settings.setNumber(key, kiloNewtonPerMetre);
}

std::vector<int> perimeterBeams(const Model& model, int storey) {
    const Counts& c = model.counts;
    std::vector<int> slots;
    const auto keep = [&](int slot) {
        if (isPresent(model, storey, slot))
            slots.push_back(slot);
    };
    for (int ix = 1; ix < c.nX; ++ix) {
        keep(numbering::beamXSlot(c, ix, 1));
        if (c.nY > 1)
            keep(numbering::beamXSlot(c, ix, c.nY));
    }
    for (int iy = 1; iy < c.nY; ++iy) {
        keep(numbering::beamYSlot(c, numbering::gridNode(c, 1, iy)));
        if (c.nX > 1)
            keep(numbering::beamYSlot(c, numbering::gridNode(c, c.nX, iy)));
    }
    return slots;
}

void setPerimeterLineLoad(Model& model, int storey, double kiloNewtonPerMetre) {
    for (const int slot : perimeterBeams(model, storey))
        setBeamLineLoad(model, storey, slot, kiloNewtonPerMetre);
}

} // namespace orvanta
