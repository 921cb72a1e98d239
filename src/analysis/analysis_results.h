#pragma once

// The results of the stiffness analysis, kept beside the model they were computed from.
//
// Indices: i is the ritto (= plan node) 1..nX·nY + nExtra, r and c are storeys 1..nStoreys.
// Stiffness values are per unit modulus of elasticity (K/E, in mm with lengths in mm): times the
// concrete's E in N/mm² they give N/mm.

#include "bounded_array.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace orvanta {

// The two sets of ritti, named as the engineer and the windows name them: by the axis their
// planes are orthogonal to.
//
//   orthogonalToX  frames parallel to Y, built from the columns and the beams along Y. They resist
//                  Y translations (they make up Kyy) and their partial centres of stiffness are X
//                  coordinates: ritMatrixX, familyX, stiffnessCentreX, frmFamiglieX.
//   orthogonalToY  frames parallel to X with the beams along X. They resist X translations (Kxx),
//                  their centres are Y coordinates: ritMatrixY, familyY, frmFamiglieY.
enum class Direction { orthogonalToY, orthogonalToX };

// Both sets in the order the program treats them: the ritti orthogonal to X first.
inline constexpr Direction bothDirections[] = {Direction::orthogonalToX, Direction::orthogonalToY};

// The letter under which the arrays, windows and file keys of a set of ritti are known: the axis
// its ritti are orthogonal to ("X" for the ritti resisting along Y).
inline const char* orthogonalAxis(Direction d) {
    return d == Direction::orthogonalToX ? "X" : "Y";
}

// Everything computed for one set of ritti.
struct RittiResults {
    // Element tables: (ritto, row 1..3·nStoreys, property 1..5). Rows 1..m are the columns of
    // storeys 1..m, m+1..2m the half-beams on the lower side, 2m+1..3m those on the upper side,
    // with m = ritStoreys(i). Properties: present, length, area, inertia, shear parameter.
    Array3<double> ritElements;
    // Condensed translational stiffness of each ritto: (ritto, r, c).
    Array3<double> ritMatrix;

    // Families: the family of each ritto and their number.
    Array1<std::int16_t> family;
    std::int16_t familyCount = 0;

    // Partial centres of stiffness and what they are built from.
    Array1<double> stiffnessCentre;  // (family): coordinate across the ritti's planes, mm
    Array1<double> stiffnessWeight;  // (ritto): share in its family
    Array1<std::int16_t> familySize; // (family)
    Array3<double> familyMeanMatrix; // (family, r, c), term (1, 1) = 1000

    // Inverse of the block of the global matrix for translations in this direction (Kxx⁻¹ for
    // orthogonalToY), filled by the deformed shape.
    Array2<double> flexibility;

    bool operator==(const RittiResults&) const = default;
};

struct AnalysisResults {
    // Highest storey with a column at each node; 0 = no ritto there.
    Array1<std::int16_t> ritStoreys;
    // Roto-translational stiffness of the building, (1..3·nStoreys)²: X translations, Y
    // translations, rotations about each storey's centre of mass scaled by its radius of gyration.
    Array2<double> globalStiffness;
    // Deformed shape under the storey forces: (1..2, 0..nStoreys), X then Y; column 0 the base.
    Array2<double> deformedShape;
    // structureFingerprint of the model these results were computed from; 0 before any
    // calculation. Results are shown only while the model still has it (resultsMatch).
    std::uint64_t computedFrom = 0;

    RittiResults& operator[](Direction d) { return ritti_[index(d)]; }
    const RittiResults& operator[](Direction d) const { return ritti_[index(d)]; }

    bool operator==(const AnalysisResults&) const = default;

private:
    static std::size_t index(Direction d) { return d == Direction::orthogonalToY ? 0 : 1; }
    std::array<RittiResults, 2> ritti_;
};

} // namespace orvanta
