#pragma once

// What one edit changed, kept so that it can be taken back and done again.
//
// An edit is recorded by comparing the project before it with the project after it, so that no
// edit has to list what it touches and none can forget a value: only what differs is kept.
//
//   members, slabs      the cells that differ, each with its value before and after (a section
//                       typed for one beam keeps 2 cells, "Elimina Tutto" every present one)
//   load results        beamLoads, massCentre, gyrationRadius and storeyForce whole, before and
//                       after, when any of them differs (the load distribution rewrites them all)
//   settings            the whole settings, before and after, when they differ
//   families            the family of every ritto and the count of a direction, when they differ
//   grid                when the counts, lines, levels, extents or scales differ, or the arrays of
//                       members and slabs changed their bounds, the whole model before and after
//
// The change an observer is told of follows from the same comparison: a member is named by its
// (storey, slot), a slab by its (storey, bay).

#include "analysis_results.h"
#include "model.h"
#include "model_change.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace orvanta {

// The families of one set of ritti: what the family windows change.
struct FamilyAssignment {
    Array1<std::int16_t> family;
    std::int16_t count = 0;
    bool operator==(const FamilyAssignment&) const = default;
};

// The part of the project an edit may change: the model and the families of both directions.
struct EditSnapshot {
    Model model;
    std::array<FamilyAssignment, 2> families; // orthogonal to X, then to Y

    static EditSnapshot of(const Model& model, const AnalysisResults& results);
};

class EditRecord {
public:
    // What differs between the project before an edit and the project now.
    static EditRecord between(const EditSnapshot& before, const Model& after,
                              const AnalysisResults& afterResults);

    // Nothing differs: the edit was refused or changed nothing.
    bool empty() const { return change_.empty(); }
    const ModelChange& change() const { return change_; }

    // Puts back the values before the edit, or those after it.
    void undo(Model& model, AnalysisResults& results) const;
    void redo(Model& model, AnalysisResults& results) const;

private:
    struct Cell {
        std::size_t offset = 0; // into the array's contiguous values
        double before = 0;
        double after = 0;
    };
    struct LoadResults {
        Array2<double> beamLoads;
        Array2<double> massCentre;
        Array1<double> gyrationRadius;
        Array1<double> storeyForce;
        static LoadResults of(const Model& model);
        void putInto(Model& model) const;
        bool operator==(const LoadResults&) const = default;
    };
    template <class T> struct BeforeAfter {
        T before;
        T after;
    };

    void restore(Model& model, AnalysisResults& results, bool after) const;

    ModelChange change_;
    std::optional<BeforeAfter<Model>> wholeModel_;
    std::vector<Cell> memberCells_;
    std::vector<Cell> slabCells_;
    std::optional<BeforeAfter<LoadResults>> loadResults_;
    std::optional<BeforeAfter<ProjectSettings>> settings_;
    std::array<std::optional<BeforeAfter<FamilyAssignment>>, 2> families_;
};

} // namespace orvanta
