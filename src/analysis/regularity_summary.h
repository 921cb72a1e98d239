#pragma once

// The criteria of regularity of NTC 2018 §7.2.1 as rows to read: the criterion, where it applies
// (a storey, a pair of storeys, a direction), its figure against the limit and the verdict. The
// window's "Regolarità" summary, the report's page and the guide show the same rows.

#include "ntc_regularity.h"
#include "number_format.h"

#include <string>
#include <vector>

namespace orvanta {

enum class Verdict {
    passes,
    fails,
    byConstruction, // holds by the model's construction: (d), (c)
    notJudged,      // cannot be judged at pre-design, or the code states no number
};

struct RegularityRow {
    bool inPlan = false;   // a criterion of regularity in plan, else in elevation
    std::string criterion; // "(e) Rigidezza lungo X"
    std::string where;     // "Piani 1-2", "Piano 3", or empty
    std::string figure;    // "k2/k1 = 0,85 (limiti 0,70 - 1,10)"
    Verdict verdict = Verdict::passes;
    bool operator==(const RegularityRow&) const = default;
};

std::vector<RegularityRow> regularityRows(const NtcRegularity& regularity,
                                          const NumberFormat& format = {});

// "✓", "✗", "per costruzione", "non valutabile".
const char* verdictMark(Verdict verdict);

} // namespace orvanta
