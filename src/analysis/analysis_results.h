#pragma once

// The results of the stiffness analysis, kept beside the model they were computed from.
//
// Indices: i is the ritto (= plan node) 1..nX·nY + nExtra, r and c are storeys 1..nStoreys.
// Stiffness values are per unit modulus of elasticity (K/E, in mm with lengths in mm): times the
// concrete's E in N/mm² they give N/mm.

#include "bounded_array.h"

#include <cstdint>

namespace orvanta {

struct AnalysisResults {
    // Element tables: (ritto, row 1..3·nStoreys, property 1..5). Rows 1..m are the columns of
    // storeys 1..m, m+1..2m the half-beams on the lower side, 2m+1..3m those on the upper side,
    // with m = ritStoreys(i). Properties: present, length, area, inertia, shear parameter.
    // The X table holds the ritti orthogonal to X (beams along Y), the Y table those orthogonal
    // to Y (beams along X).
    Array3<double> ritElementsX;
    Array3<double> ritElementsY;
    // Highest storey with a column at each node; 0 = no ritto there.
    Array1<std::int16_t> ritStoreys;
    // Condensed translational stiffness of each ritto: (ritto, r, c).
    Array3<double> ritMatrixX;
    Array3<double> ritMatrixY;
    // Roto-translational stiffness of the building, (1..3·nStoreys)²: X translations, Y
    // translations, rotations about each storey's centre of mass scaled by its radius of gyration.
    Array2<double> globalStiffness;

    // Families of ritti, per direction.
    Array1<std::int16_t> familyX;
    Array1<std::int16_t> familyY;
    std::int16_t familyCountX = 0;
    std::int16_t familyCountY = 0;

    // Partial centres of stiffness and what they are built from.
    Array1<double> stiffnessCentreX;  // (family): X of each X family's centre, mm
    Array1<double> stiffnessCentreY;  // (family): Y of each Y family's centre, mm
    Array1<double> stiffnessWeightX;  // (ritto): share in its X family
    Array1<double> stiffnessWeightY;  // (ritto): share in its Y family
    Array1<std::int16_t> familySizeX; // (family)
    Array1<std::int16_t> familySizeY; // (family)
    Array3<double> familyMeanMatrixX; // (family, r, c), term (1, 1) = 1000
    Array3<double> familyMeanMatrixY;

    // Deformed shape under the storey forces.
    Array2<double> flexibilityX;  // inverse of the Kxx block
    Array2<double> flexibilityY;  // inverse of the Kyy block
    Array2<double> deformedShape; // (1..2, 0..nStoreys): X then Y; column 0 the base
};

} // namespace orvanta
