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

// The number of families of a family window: at most one family per ritto slot.
inline RangeMessages familyCount() {
    return {"Nodo Inesistente",
            {"Il numero di famiglie specificato è superiore al numero di ritti",
             "Sarà adottato un numero di famiglie pari al numero di ritti"},
            {"Il numero di famiglie specificato è inferiore all'unità",
             "Sarà adottato un numero di famiglie pari al numero minimo"}};
}

// The storey of the centres view.
inline RangeMessages centresStorey() {
    return {"Piano Inesistente",
            {"Il numero di piano specificato è superiore al numero massimo",
             "Sarà adottato un numero di piano pari al numero massimo"},
            {"Il numero di piano specificato è inferiore al numero minimo",
             "Sarà adottato un numero di piano pari al numero minimo"}};
}

// The family of the centres view.
inline RangeMessages family() {
    return {"Famiglia Inesistente",
            {"Il numero di famiglia specificato è superiore al numero massimo",
             "Sarà adottato un numero di famiglia pari al numero massimo"},
            {"Il numero di famiglia specificato è inferiore al numero minimo",
             "Sarà adottato un numero di famiglia pari al numero minimo"}};
}

} // namespace rangeMessages

} // namespace orvanta
