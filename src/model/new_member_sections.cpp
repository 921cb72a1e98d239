#include "new_member_sections.h"

#include "numbering.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace orvanta {

namespace {

struct Candidate {
    int storey = 0;
    int slot = 0;
};

numbering::PlanPoint midpoint(numbering::PlanPoint a, numbering::PlanPoint b) {
    return {(a.x + b.x) / 2, (a.y + b.y) / 2};
}

// The present element nearest to `at` among the slots given, storey by storey outwards.
template <class Slots>
std::optional<Candidate> nearest(const Model& m, int storey, numbering::PlanPoint at,
                                 const Slots& slotsWithPlace) {
    const int storeys = m.counts.nStoreys;
    for (int distance = 0; distance < storeys; ++distance) {
        for (const int k : {storey - distance, storey + distance}) {
            if (k < 1 || k > storeys || (distance == 0 && k != storey))
                continue;
            std::optional<Candidate> best;
            double bestDistance = std::numeric_limits<double>::infinity();
            for (const auto& [slot, place] : slotsWithPlace) {
                if (!isPresent(m, k, slot))
                    continue;
                const double d = std::hypot(place.x - at.x, place.y - at.y);
                if (d < bestDistance) {
                    bestDistance = d;
                    best = Candidate{k, slot};
                }
            }
            if (best)
                return best;
        }
    }
    return std::nullopt;
}

std::vector<std::pair<int, numbering::PlanPoint>> columnPlaces(const Model& m) {
    const Counts& c = m.counts;
    std::vector<std::pair<int, numbering::PlanPoint>> places;
    for (int node = 1; node <= c.nX * c.nY + c.nExtra; ++node)
        places.emplace_back(numbering::columnSlot(c, node), numbering::nodePosition(m, node));
    std::sort(places.begin(), places.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    return places;
}

std::vector<std::pair<int, numbering::PlanPoint>> beamPlaces(const Model& m) {
    const Counts& c = m.counts;
    std::vector<std::pair<int, numbering::PlanPoint>> places;
    for (const BeamDirection d : {BeamDirection::alongX, BeamDirection::alongY}) {
        for (int start = 1; start <= lastBeamStart(c, d); ++start) {
            if (canStartBeam(c, d, start))
                places.emplace_back(beamSlot(c, d, start),
                                    midpoint(numbering::nodePosition(m, start),
                                             numbering::nodePosition(m, beamEnd(c, d, start))));
        }
    }
    return places;
}

std::string millimetres(double mm) {
    const double rounded = std::round(mm * 10) / 10;
    std::string text = std::to_string(rounded);
    text.erase(text.find_last_not_of('0') + 1);
    if (!text.empty() && text.back() == '.')
        text.pop_back();
    return text;
}

} // namespace

std::optional<ColumnSection> nearestColumnSection(const Model& m, int storey, int node) {
    const std::optional<Candidate> found =
        nearest(m, storey, numbering::nodePosition(m, node), columnPlaces(m));
    if (!found)
        return std::nullopt;
    return columnSection(m, found->storey, found->slot);
}

std::optional<BeamSection> nearestBeamSection(const Model& m, int storey, BeamDirection direction,
                                              int start) {
    const numbering::PlanPoint at =
        midpoint(numbering::nodePosition(m, start),
                 numbering::nodePosition(m, beamEnd(m.counts, direction, start)));
    const std::optional<Candidate> found = nearest(m, storey, at, beamPlaces(m));
    if (!found)
        return std::nullopt;
    return beamSection(m, found->storey, found->slot);
}

std::vector<ColumnSection> columnSectionsInUse(const Model& m) {
    std::vector<ColumnSection> found;
    const std::vector<std::pair<int, numbering::PlanPoint>> places = columnPlaces(m);
    for (int k = 1; k <= m.counts.nStoreys; ++k) {
        for (const auto& [slot, place] : places) {
            const ColumnSection s = columnSection(m, k, slot);
            if (isPresent(m, k, slot) && std::find(found.begin(), found.end(), s) == found.end())
                found.push_back(s);
        }
    }
    return found;
}

std::vector<BeamSection> beamSectionsInUse(const Model& m) {
    std::vector<BeamSection> found;
    const std::vector<std::pair<int, numbering::PlanPoint>> places = beamPlaces(m);
    for (int k = 1; k <= m.counts.nStoreys; ++k) {
        for (const auto& [slot, place] : places) {
            const BeamSection s = beamSection(m, k, slot);
            if (isPresent(m, k, slot) && std::find(found.begin(), found.end(), s) == found.end())
                found.push_back(s);
        }
    }
    return found;
}

std::string describeSection(const ColumnSection& s) {
    const std::string size = millimetres(s.base) + " x " + millimetres(s.height);
    if (s.shape == ColumnShape::rectangle)
        return "Rettangolare " + size;
    return "Scatolare " + size + " (pareti " + millimetres(s.wallsAlongX) + " / " +
           millimetres(s.wallsAlongY) + ")";
}

std::string describeSection(const BeamSection& s) {
    const std::string size = millimetres(s.base) + " x " + millimetres(s.height);
    if (s.shape == BeamShape::rectangle)
        return "Rettangolare " + size;
    return "a T " + size + " (ala " + millimetres(s.flange) + ", anima " + millimetres(s.web) + ")";
}

} // namespace orvanta
