#include "family_warnings.h"

#include <map>
#include <set>

namespace orvanta {

namespace {

bool hasArrays(const AnalysisResults& r, const RittiResults& set) {
    return r.ritStoreys.size() > 0 && set.family.size() > 0 &&
           set.family.upper() == r.ritStoreys.upper() && set.ritElements.size() > 0 &&
           set.ritElements.upper(1) == r.ritStoreys.upper();
}

bool hasBeam(const RittiResults& set, int ritto, int storeys) {
    const int rows = set.ritElements.upper(2);
    for (int row = storeys + 1; row <= 3 * storeys && row <= rows; ++row) {
        if (set.ritElements(ritto, row, 1) != 0)
            return true;
    }
    return false;
}

// "2, 3 e 4" with `last` = " e ", "7, 13" with ", ".
std::string list(const std::set<int>& values, const char* last) {
    std::string text;
    std::size_t k = 0;
    for (int v : values) {
        if (k > 0)
            text += k + 1 == values.size() ? last : ", ";
        text += std::to_string(v);
        ++k;
    }
    return text;
}

} // namespace

std::vector<std::string> familyWarnings(const AnalysisResults& r, Direction direction) {
    const RittiResults& set = r[direction];
    std::vector<std::string> lines;
    if (!hasArrays(r, set))
        return lines;
    const std::string axis = orthogonalAxis(direction);
    std::map<int, std::set<int>> heights; // family → storeys its ritti rise to
    std::map<int, std::set<int>> members; // family → ritti
    std::set<int> withoutBeam;
    for (int i = set.family.lower(); i <= set.family.upper(); ++i) {
        const int storeys = r.ritStoreys(i);
        if (storeys <= 0)
            continue;
        heights[set.family(i)].insert(storeys);
        members[set.family(i)].insert(i);
        if (!hasBeam(set, i, storeys))
            withoutBeam.insert(i);
    }
    for (const auto& [family, storeys] : heights) {
        if (storeys.size() < 2)
            continue;
        lines.push_back("Famiglia " + std::to_string(family) + " (ritti ortogonali a " + axis +
                        "): ritti di " + list(storeys, " e ") + " piani (ritti " +
                        list(members[family], ", ") + ").");
    }
    for (int ritto : withoutBeam)
        lines.push_back("Ritto " + std::to_string(ritto) + " (ortogonale a " + axis +
                        "): nessuna trave in alcun piano.");
    return lines;
}

} // namespace orvanta
