#pragma once

// The building model: grid, elements, slabs and the stored results of the load distribution.
//
// Units: lengths in millimetres (drawMax in metres, as typed), loads in N/mm² (the typed kN/m²
// divided by 1000), forces in N, drawing scales in twips per millimetre. All arrays keep the
// 1-based indices of the engineering notation; their bounds follow from the counts:
//
//   coordX        (1 .. nX + nExtra)          grid abscissae, then the X of each extra node
//   coordY        (1 .. nY + nExtra)          grid ordinates, then the Y of each extra node
//   levelZ        (1 .. nStoreys + 1)         base level, then the top of each storey
//   members       (storey, slot, 1 .. 6)      presence, shape code, base, height, two thicknesses
//   slabs         (storey, bay, 1 .. 7)       presence, span direction, g, q, share of q, Lx, Ly
//   beamLoads     (storey, load slot)         load handed to each beam, axial force of each column
//   massCentre    (storey, 1 .. 2)            X and Y of the centre of mass
//   gyrationRadius, storeyForce (storey)
//
// A storey k's columns stand between levelZ(k) and levelZ(k + 1); its beams lie at levelZ(k + 1).

#include "bounded_array.h"
#include "project_settings.h"
#include "sizes.h"

namespace orvanta {

// Values of one element slot, the third index of members.
namespace member {
inline constexpr int present = 1;    // 1 = the column, wall or beam exists in that storey
inline constexpr int shape = 2;      // 0 = rectangle; otherwise hollow box (column) or T (beam)
inline constexpr int base = 3;       // overall base b (side along X for a column)
inline constexpr int height = 4;     // overall height h (side along Y for a column)
inline constexpr int thickness1 = 5; // box walls aligned with X, or T flange thickness
inline constexpr int thickness2 = 6; // box walls aligned with Y, or T web thickness
inline constexpr int values = 6;
} // namespace member

// Values of one bay's slab record, the third index of slabs.
namespace slab {
inline constexpr int present = 1;
inline constexpr int direction = 2; // 1 = span along X, 2 = span along Y
inline constexpr int permanent = 3; // g, N/mm²
inline constexpr int variable = 4;  // q, N/mm²
inline constexpr int share = 5;     // ψ, fraction of q that acts
inline constexpr int sideX = 6;     // Lx, mm
inline constexpr int sideY = 7;     // Ly, mm
inline constexpr int values = 7;
} // namespace slab

struct Model {
    Counts counts;
    Array1<float> drawMax{0, 2}; // maximum X, Y and Z of the drawings, metres
    Array1<double> coordX;
    Array1<double> coordY;
    Array1<double> levelZ;
    float planScale = 0; // twips per millimetre of the plan views
    float elevScale = 0; // twips per millimetre of the elevation views
    Array3<double> members;
    Array3<double> slabs;
    Array2<double> beamLoads;
    Array2<double> massCentre;
    Array1<double> gyrationRadius;
    Array1<double> storeyForce;
    // The project's own settings, written after the records (see project_settings.h).
    ProjectSettings settings;

    bool operator==(const Model&) const = default;

    // The model of a building with these counts and every array allocated and zero-filled;
    // nothing when the counts describe no building or leave the 16-bit range.
    static std::optional<Model> allocate(const Counts& counts, std::string* error = nullptr);

    // Sizes derived from the counts; only valid on a model whose counts passed allocate().
    DerivedSizes sizes() const;

    // Whether the counts describe a building and every array has the bounds they give it. A
    // model read from a file always has; one still being entered may not have yet.
    bool hasCompleteArrays() const;

    // Whether the model can be written to a project file: like hasCompleteArrays, except that
    // members, slabs and each load result may also be absent altogether (not entered or not
    // computed yet), to be written as zeros.
    bool hasWritableArrays() const;
};

} // namespace orvanta
