#pragma once

// What one edit of the project changed, as the document tells its observers after applying it
// (and after undoing or redoing it). Observers use it to refresh only what they show of the
// change, and the analysis to recompute only what the change touches.
//
// Members are named by (storey, slot), the indices of Model::members (numbering.h); slabs by
// (storey, bay). A change that alters the grid itself (lines, levels, extra nodes: every index
// may move) says so with `grid`, and observers then treat everything as changed.

#include <algorithm>
#include <vector>

namespace orvanta {

struct MemberRef {
    int storey = 0;
    int slot = 0;
    bool operator==(const MemberRef&) const = default;
    auto operator<=>(const MemberRef&) const = default;
};

struct SlabRef {
    int storey = 0;
    int bay = 0;
    bool operator==(const SlabRef&) const = default;
    auto operator<=>(const SlabRef&) const = default;
};

struct ModelChange {
    bool grid = false;        // lines, levels or extra nodes: every index may have moved
    bool loadResults = false; // beamLoads, massCentre, gyrationRadius, storeyForce
    bool settings = false;    // the project's settings (concrete class, seismic parameters…)
    bool familiesX = false;   // the families of the ritti orthogonal to X
    bool familiesY = false;   // the families of the ritti orthogonal to Y
    std::vector<MemberRef> members; // presence or section changed
    std::vector<SlabRef> slabs;     // presence, span or loads changed

    // Members or grid: the stiffness of some ritto may have changed.
    bool structural() const { return grid || !members.empty(); }
    bool empty() const {
        return !grid && !loadResults && !settings && !familiesX && !familiesY && members.empty() &&
               slabs.empty();
    }

    // Everything that either change touched.
    void merge(const ModelChange& other) {
        grid = grid || other.grid;
        loadResults = loadResults || other.loadResults;
        settings = settings || other.settings;
        familiesX = familiesX || other.familiesX;
        familiesY = familiesY || other.familiesY;
        members.insert(members.end(), other.members.begin(), other.members.end());
        slabs.insert(slabs.end(), other.slabs.begin(), other.slabs.end());
        std::sort(members.begin(), members.end());
        members.erase(std::unique(members.begin(), members.end()), members.end());
        std::sort(slabs.begin(), slabs.end());
        slabs.erase(std::unique(slabs.begin(), slabs.end()), slabs.end());
    }

    static ModelChange everything() {
        ModelChange c;
        c.grid = c.loadResults = c.settings = c.familiesX = c.familiesY = true;
        return c;
    }
};

} // namespace orvanta
