#include "edit_record.h"

namespace orvanta {

namespace {

FamilyAssignment familiesOf(const RittiResults& ritti) {
    return {ritti.family, ritti.familyCount};
}

template <class T> bool sameBounds(const Array3<T>& a, const Array3<T>& b) {
    for (int d = 1; d <= 3; ++d) {
        if (a.lower(d) != b.lower(d) || a.upper(d) != b.upper(d))
            return false;
    }
    return true;
}

// Whether the grid, the extents or the shape of the element arrays differ: then no cell keeps
// its meaning and the whole model is recorded.
bool gridDiffers(const Model& a, const Model& b) {
    return a.counts.nX != b.counts.nX || a.counts.nY != b.counts.nY ||
           a.counts.nStoreys != b.counts.nStoreys || a.counts.nExtra != b.counts.nExtra ||
           a.planScale != b.planScale || a.elevScale != b.elevScale || a.drawMax != b.drawMax ||
           a.coordX != b.coordX || a.coordY != b.coordY || a.levelZ != b.levelZ ||
           !sameBounds(a.members, b.members) || !sameBounds(a.slabs, b.slabs);
}

// The (first, second) index pair of an offset into a three-index array: the storey and the slot
// of a member, the storey and the bay of a slab.
std::pair<int, int> leadingIndices(const Array3<double>& a, std::size_t offset) {
    const auto extent3 = static_cast<std::size_t>(a.upper(3) - a.lower(3) + 1);
    const auto extent2 = static_cast<std::size_t>(a.upper(2) - a.lower(2) + 1);
    const std::size_t item = offset / extent3;
    return {a.lower(1) + static_cast<int>(item / extent2),
            a.lower(2) + static_cast<int>(item % extent2)};
}

} // namespace

EditSnapshot EditSnapshot::of(const Model& model, const AnalysisResults& results) {
    return {model,
            {familiesOf(results[Direction::orthogonalToX]),
             familiesOf(results[Direction::orthogonalToY])}};
}

EditRecord::LoadResults EditRecord::LoadResults::of(const Model& m) {
    return {m.beamLoads, m.massCentre, m.gyrationRadius, m.storeyForce};
}

void EditRecord::LoadResults::putInto(Model& m) const {
    m.beamLoads = beamLoads;
    m.massCentre = massCentre;
    m.gyrationRadius = gyrationRadius;
    m.storeyForce = storeyForce;
}

EditRecord EditRecord::between(const EditSnapshot& before, const Model& after,
                               const AnalysisResults& afterResults) {
    EditRecord record;
    const Model& old = before.model;
    if (gridDiffers(old, after)) {
        record.wholeModel_ = BeforeAfter<Model>{old, after};
        record.change_.grid = true;
        record.change_.loadResults = true;
    } else {
        const auto differingCells = [](const Array3<double>& a, const Array3<double>& b,
                                       std::vector<Cell>& cells, auto name) {
            for (std::size_t i = 0; i < a.size(); ++i) {
                if (a.data()[i] != b.data()[i])
                    cells.push_back({i, a.data()[i], b.data()[i]});
            }
            for (const Cell& cell : cells)
                name(leadingIndices(a, cell.offset));
        };
        differingCells(old.members, after.members, record.memberCells_, [&](auto ij) {
            if (record.change_.members.empty() ||
                record.change_.members.back() != MemberRef{ij.first, ij.second})
                record.change_.members.push_back({ij.first, ij.second});
        });
        differingCells(old.slabs, after.slabs, record.slabCells_, [&](auto ij) {
            if (record.change_.slabs.empty() ||
                record.change_.slabs.back() != SlabRef{ij.first, ij.second})
                record.change_.slabs.push_back({ij.first, ij.second});
        });
        const LoadResults oldLoads = LoadResults::of(old);
        if (LoadResults newLoads = LoadResults::of(after); !(newLoads == oldLoads)) {
            record.loadResults_ = BeforeAfter<LoadResults>{oldLoads, std::move(newLoads)};
            record.change_.loadResults = true;
        }
    }
    if (old.settings != after.settings) {
        record.settings_ = BeforeAfter<ProjectSettings>{old.settings, after.settings};
        record.change_.settings = true;
    }
    for (std::size_t d = 0; d < 2; ++d) {
        const FamilyAssignment now = familiesOf(afterResults[bothDirections[d]]);
        if (now == before.families[d])
            continue;
        record.families_[d] = BeforeAfter<FamilyAssignment>{before.families[d], now};
        (bothDirections[d] == Direction::orthogonalToX ? record.change_.familiesX
                                                       : record.change_.familiesY) = true;
    }
    return record;
}

void EditRecord::undo(Model& model, AnalysisResults& results) const {
    restore(model, results, false);
}

void EditRecord::redo(Model& model, AnalysisResults& results) const {
    restore(model, results, true);
}

void EditRecord::restore(Model& model, AnalysisResults& results, bool after) const {
    const auto pick = [after](const auto& pair) -> const auto& {
        return after ? pair.after : pair.before;
    };
    // The settings travel apart from the whole model, so that an edit of the grid followed by
    // one of the settings is taken back in either order.
    if (wholeModel_) {
        ProjectSettings settings = model.settings;
        model = pick(*wholeModel_);
        model.settings = std::move(settings);
    }
    for (const Cell& cell : memberCells_)
        model.members.data()[cell.offset] = after ? cell.after : cell.before;
    for (const Cell& cell : slabCells_)
        model.slabs.data()[cell.offset] = after ? cell.after : cell.before;
    if (loadResults_)
        pick(*loadResults_).putInto(model);
    if (settings_)
        model.settings = pick(*settings_);
    for (std::size_t d = 0; d < 2; ++d) {
        if (!families_[d])
            continue;
        RittiResults& ritti = results[bothDirections[d]];
        ritti.family = pick(*families_[d]).family;
        ritti.familyCount = pick(*families_[d]).count;
    }
}

} // namespace orvanta
