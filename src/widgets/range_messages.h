#pragma once

// The messages of a number selector whose typed value leaves the range of its scroll bar: a
// title and two fixed lines for each side, shown with the critical icon before the value is
// corrected to the bar's maximum or minimum.

#include <string>
#include <vector>

namespace orvanta {

struct RangeMessages {
    std::string title;
    std::vector<std::string> aboveMaximum;
    std::vector<std::string> belowMinimum;
};

namespace rangeMessages {

// Node numbers of the geometry and sections editors.
inline RangeMessages node() {
    return {"Nodo Inesistente",
            {"E' impossibile rintracciare il nodo specificato", "Sarà adottato il valore massimo"},
            {"E' impossibile rintracciare il nodo specificato", "Sarà adottato il valore minimo"}};
}

// The storey shown by the geometry and sections editors.
inline RangeMessages storey() {
    return {
        "Piano Inesistente",
        {"E' impossibile visualizzare il piano specificato", "Sarà visualizzato il piano massimo"},
        {"E' impossibile visualizzare il piano specificato", "Sarà visualizzato il piano minimo"}};
}

// Ritto numbers of the family windows.
inline RangeMessages ritto() {
    return {"Nodo Inesistente",
            {"E' impossibile rintracciare il ritto specificato",
             "Sarà adottato il ritto con il valore massimo di etichetta"},
            {"E' impossibile rintracciare il ritto specificato",
             "Sarà adottato il ritto con il valore minimo di etichetta"}};
}

} // namespace rangeMessages

} // namespace orvanta
