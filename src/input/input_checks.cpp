#include "input_checks.h"

#include "numbering.h"

#include <cmath>
#include <cstdio>
#include <vector>

namespace orvanta {

namespace {

// A size as the user reads it: up to six significant digits, a decimal comma.
std::string shown(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.6G", value);
    std::string result(text);
    for (char& ch : result) {
        if (ch == '.')
            ch = ',';
    }
    return result;
}

std::optional<std::string> sizeRefusal(const std::string& name, double value) {
    if (!std::isfinite(value))
        return name + " non numerica";
    if (value <= 0)
        return name + " non positiva (" + shown(value) + " mm)";
    return std::nullopt;
}

} // namespace

std::optional<std::string> columnSectionRefusal(const ColumnSection& s) {
    if (auto refusal = sizeRefusal("base", s.base))
        return refusal;
    if (auto refusal = sizeRefusal("altezza", s.height))
        return refusal;
    if (s.shape == ColumnShape::rectangle)
        return std::nullopt;
    if (auto refusal = sizeRefusal("spessore delle pareti parallele a X", s.wallsAlongX))
        return refusal;
    if (auto refusal = sizeRefusal("spessore delle pareti parallele a Y", s.wallsAlongY))
        return refusal;
    // The walls parallel to X cut the height, those parallel to Y the base.
    if (2 * s.wallsAlongX >= s.height)
        return "pareti parallele a X troppo spesse: due volte " + shown(s.wallsAlongX) +
               " mm non lasciano cavità nell'altezza di " + shown(s.height) + " mm";
    if (2 * s.wallsAlongY >= s.base)
        return "pareti parallele a Y troppo spesse: due volte " + shown(s.wallsAlongY) +
               " mm non lasciano cavità nella base di " + shown(s.base) + " mm";
    return std::nullopt;
}

std::optional<std::string> beamSectionRefusal(const BeamSection& s) {
    if (auto refusal = sizeRefusal("base", s.base))
        return refusal;
    if (auto refusal = sizeRefusal("altezza", s.height))
        return refusal;
    if (s.shape == BeamShape::rectangle)
        return std::nullopt;
    if (auto refusal = sizeRefusal("spessore dell'ala", s.flange))
        return refusal;
    if (s.flange >= s.height)
        return "spessore dell'ala (" + shown(s.flange) + " mm) non minore dell'altezza (" +
               shown(s.height) + " mm)";
    if (auto refusal = sizeRefusal("larghezza dell'anima", s.web))
        return refusal;
    if (s.web > s.base)
        return "anima (" + shown(s.web) + " mm) più larga della base (" + shown(s.base) + " mm)";
    return std::nullopt;
}

std::optional<std::string> slabRefusal(const Slab& s) {
    if (!s.present)
        return std::nullopt;
    const auto load = [](const char* name, double value) -> std::optional<std::string> {
        if (!std::isfinite(value) || value < 0 || value > 1)
            return std::string("carico ") + name + " " + shown(value * 1000) +
                   " kN/m² fuori dall'intervallo 0 – 1000 kN/m²";
        return std::nullopt;
    };
    if (auto refusal = load("permanente", s.permanent))
        return refusal;
    if (auto refusal = load("variabile", s.variable))
        return refusal;
    if (!std::isfinite(s.share) || s.share < 0 || s.share > 1)
        return "quota del carico variabile " + shown(s.share) + " fuori dall'intervallo 0 – 1";
    return std::nullopt;
}

std::optional<Message> endOfInputWarning(const Model& m) {
    constexpr std::size_t shownProblems = 8;
    const Counts& c = m.counts;
    long long total = 0;
    std::vector<std::string> first;
    const auto note = [&](int storey, const std::string& where, const std::string& reason) {
        ++total;
        if (first.size() < shownProblems)
            first.push_back("- piano " + std::to_string(storey) + ", " + where + ": " + reason);
    };
    for (int k = 1; k <= c.nStoreys; ++k) {
        for (int node = 1; node <= c.nX * c.nY + c.nExtra; ++node) {
            const int slot = numbering::columnSlot(c, node);
            if (!isPresent(m, k, slot))
                continue;
            if (auto reason = columnSectionRefusal(columnSection(m, k, slot)))
                note(k, "pilastro al nodo " + std::to_string(node), *reason);
        }
        for (int iy = 1; iy <= c.nY; ++iy) {
            for (int ix = 1; ix < c.nX; ++ix) {
                const int slot = numbering::beamXSlot(c, ix, iy);
                const int node = numbering::gridNode(c, ix, iy);
                if (!isPresent(m, k, slot))
                    continue;
                if (auto reason = beamSectionRefusal(beamSection(m, k, slot)))
                    note(k,
                         "trave in X tra i nodi " + std::to_string(node) + " e " +
                             std::to_string(node + 1),
                         *reason);
            }
        }
        for (int node = 1; node <= c.nX * (c.nY - 1); ++node) {
            const int slot = numbering::beamYSlot(c, node);
            if (!isPresent(m, k, slot))
                continue;
            if (auto reason = beamSectionRefusal(beamSection(m, k, slot)))
                note(k,
                     "trave in Y tra i nodi " + std::to_string(node) + " e " +
                         std::to_string(node + c.nX),
                     *reason);
        }
    }
    if (total == 0)
        return std::nullopt;
    Message message{{}, endOfInputTitle, MessageIcon::Exclamation, MessageButtons::YesNo};
    message.lines.push_back("Il modello contiene dati non validi (" + std::to_string(total) +
                            (total == 1 ? " problema):" : " problemi):"));
    message.lines.insert(message.lines.end(), first.begin(), first.end());
    const long long more = total - static_cast<long long>(first.size());
    if (more == 1)
        message.lines.push_back("... e un altro problema.");
    else if (more > 1)
        message.lines.push_back("... e altri " + std::to_string(more) + " problemi.");
    message.lines.push_back("Le matrici non potranno essere calcolate finché non saranno "
                            "corretti.");
    message.lines.push_back("Terminare comunque la fase di input?");
    return message;
}

} // namespace orvanta
