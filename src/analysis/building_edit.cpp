#include "building_edit.h"

namespace orvanta {

Edit buildingEdit(std::string caption, const StructuralEdit& edit) {
    return modelEdit(std::move(caption), [changed = edit.model](Model& model) { model = changed; });
}

} // namespace orvanta
