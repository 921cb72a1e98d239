#include "grid_entry.h"

#include "input_phase.h"
#include "project_session.h"

#include <algorithm>
#include <string>

namespace orvanta {

namespace {

constexpr const char* lineTitle = "Impossibile aggiungere la griglia";
constexpr const char* nodeTitle = "Impossibile aggiungere il nodo";
constexpr const char* removeTitle = "Impossibile eliminare l'oggetto";
constexpr const char* handOverTitle = "Impossibile passare alla fase successiva";
constexpr const char* coincidentPlanes = "I piani della griglia non devono essere coincidenti";

Message refusal(std::vector<std::string> lines, const char* title) {
    return Message{std::move(lines), title, MessageIcon::Exclamation, MessageButtons::Ok};
}

const char* directionName(GridAxis axis) {
    return axis == GridAxis::x ? "X" : "Y";
}

Array1<double> firstElements(const Array1<double>& from, int count) {
    Array1<double> kept(1, count);
    for (int i = 1; i <= count; ++i)
        kept(i) = from(i);
    return kept;
}

} // namespace

GridEntry::GridEntry(Model& model) : model_(model) {
    model_ = Model{};
    startEditingArrays();
    model_.planScale = startPlanScale;
    model_.elevScale = startElevScale;
    countLevels(0);
}

GridEntry::GridEntry(Model& model, Resuming) : model_(model) {}

GridEntry GridEntry::resumed(Model& saved) {
    const Model file = saved;
    const Counts& c = file.counts;
    GridEntry entry(saved, Resuming{});
    Model& m = saved;
    const double recordedLevels = file.settings.number(settingKey::gridLevels).value_or(-1);
    const int levels = recordedLevels >= 0 && recordedLevels <= c.nStoreys + 1
                           ? static_cast<int>(recordedLevels)
                           : (c.nStoreys > 0 ? c.nStoreys + 1 : 0);
    m = Model{};
    m.counts = c;
    m.drawMax = file.drawMax;
    m.planScale = file.planScale;
    m.settings = file.settings;
    entry.startEditingArrays();
    for (int i = 1; i <= c.nX; ++i)
        m.coordX(i) = file.coordX(i);
    for (int j = 1; j <= c.nY; ++j)
        m.coordY(j) = file.coordY(j);
    for (int e = 1; e <= c.nExtra; ++e) {
        m.coordX(extraNodeBase + e) = file.coordX(c.nX + e);
        m.coordY(extraNodeBase + e) = file.coordY(c.nY + e);
    }
    for (int k = 1; k <= levels; ++k)
        m.levelZ(k) = file.levelZ(k);
    m.elevScale = startElevScale;
    if (m.drawMax(2) > 0)
        m.elevScale = std::min(startElevScale, static_cast<float>(3000 / (1000 * m.drawMax(2))));
    entry.countLevels(levels);
    return entry;
}

// The level count lives in the settings as well, where the saved grid finds it.
void GridEntry::countLevels(int levels) {
    levels_ = static_cast<std::int16_t>(levels);
    model_.counts.nStoreys = static_cast<std::int16_t>(std::max(0, levels - 1));
    model_.settings.setNumber(settingKey::gridLevels, levels);
}

void GridEntry::startEditingArrays() {
    model_.coordX = Array1<double>(1, extraNodeBase + maxExtraNodes);
    model_.coordY = Array1<double>(1, extraNodeBase + maxExtraNodes);
    model_.levelZ = Array1<double>(1, maxLines);
}

// The count and the coordinates of an axis, for a const or a changing entry alike.
template <class Entry> auto& GridEntry::counterOf(Entry& entry, GridAxis axis) {
    Counts& c = entry.model_.counts;
    return axis == GridAxis::x ? c.nX : axis == GridAxis::y ? c.nY : entry.levels_;
}

template <class Entry> auto& GridEntry::coordinatesOf(Entry& entry, GridAxis axis) {
    Model& m = entry.model_;
    return axis == GridAxis::x ? m.coordX : axis == GridAxis::y ? m.coordY : m.levelZ;
}

int GridEntry::count(GridAxis axis) const {
    return counterOf(*this, axis);
}

double GridEntry::coordinate(GridAxis axis, int i) const {
    return coordinatesOf(*this, axis)(i);
}

numbering::PlanPoint GridEntry::extraNode(int e) const {
    return {model_.coordX(extraNodeBase + e), model_.coordY(extraNodeBase + e)};
}

// A new line may not pass through an extra node that lies on a line of the other direction:
// the node would then stand on a crossing, where a grid node already is.
std::optional<Message> GridEntry::lineRefusal(GridAxis axis, double coordinate) const {
    if (axis == GridAxis::z)
        return std::nullopt;
    const GridAxis other = axis == GridAxis::x ? GridAxis::y : GridAxis::x;
    for (int e = 1; e <= extraNodes(); ++e) {
        const numbering::PlanPoint p = extraNode(e);
        const double along = axis == GridAxis::x ? p.x : p.y;
        const double across = axis == GridAxis::x ? p.y : p.x;
        if (along != coordinate)
            continue;
        for (int j = 1; j <= count(other); ++j) {
            if (this->coordinate(other, j) == across)
                return refusal({"I punti nodali non devono essere coincidenti con la griglia",
                                "La linea passerebbe per il punto nodale " + std::to_string(e) +
                                    " su un incrocio della griglia"},
                               lineTitle);
        }
    }
    return std::nullopt;
}

std::optional<Message> GridEntry::add(GridAxis axis, double typed) {
    const int entered = count(axis);
    if (entered >= maxLines) {
        if (axis == GridAxis::z)
            return refusal({"La griglia può contenere al massimo " + std::to_string(maxLines) +
                                " livelli (" + std::to_string(maxLines - 1) + " piani)",
                            "Non è possibile aggiungere altri livelli"},
                           lineTitle);
        return refusal({"La griglia può contenere al massimo " + std::to_string(maxLines) +
                            " linee in direzione " + directionName(axis),
                        "Non è possibile aggiungere altre linee"},
                       lineTitle);
    }
    double coordinate = typed;
    if (entered > 0) {
        // A zero spacing puts two lines on one another; a negative one breaks the increasing
        // order that the bays, their sides and the slab loads are computed from.
        if (typed == 0)
            return refusal(
                {coincidentPlanes, "Immettere un interasse non nullo prima di procedere"},
                lineTitle);
        if (typed < 0)
            return refusal({coincidentPlanes, "Immettere un interasse positivo: le linee si "
                                              "aggiungono in ordine crescente"},
                           lineTitle);
        coordinate = coordinatesOf(*this, axis)(entered) + typed;
    }
    if (std::optional<Message> conflict = lineRefusal(axis, coordinate))
        return conflict;

    coordinatesOf(*this, axis)(entered + 1) = coordinate;
    if (axis == GridAxis::z)
        countLevels(levels_ + 1);
    else
        ++counterOf(*this, axis);
    return std::nullopt;
}

std::optional<Message> GridEntry::removeLast(GridAxis axis) {
    if (count(axis) == 0)
        return refusal({"Impossibile eseguire l'operazione", "Non ci sono elementi da eliminare"},
                       removeTitle);
    // The coordinate stays where it is until the next add overwrites it.
    if (axis == GridAxis::z)
        countLevels(levels_ - 1);
    else
        --counterOf(*this, axis);
    return std::nullopt;
}

std::optional<Message> GridEntry::addExtraNode(double x, double y) {
    if (extraNodes() >= maxExtraNodes)
        return refusal({"Si possono inserire al massimo " + std::to_string(maxExtraNodes) +
                            " punti nodali aggiuntivi",
                        "Non è possibile aggiungere altri punti nodali"},
                       nodeTitle);
    for (int e = 1; e <= extraNodes(); ++e) {
        const numbering::PlanPoint p = extraNode(e);
        if (p.x == x && p.y == y)
            return refusal({"I punti nodali non devono essere coincidenti tra loro",
                            "Modificare le coordinate specificate prima di procedere"},
                           nodeTitle);
    }
    // On a line is fine; on a crossing of two lines a grid node is already there.
    for (int i = 1; i <= count(GridAxis::x); ++i) {
        for (int j = 1; j <= count(GridAxis::y); ++j) {
            if (model_.coordX(i) == x && model_.coordY(j) == y)
                return refusal({"I punti nodali non devono essere coincidenti con la griglia",
                                "Modificare le coordinate specificate prima di procedere"},
                               nodeTitle);
        }
    }
    const int e = extraNodes() + 1;
    model_.coordX(extraNodeBase + e) = x;
    model_.coordY(extraNodeBase + e) = y;
    ++model_.counts.nExtra;
    return std::nullopt;
}

std::optional<Message> GridEntry::removeLastExtraNode() {
    if (extraNodes() == 0)
        return refusal({"Impossibile eseguire l'operazione", "Non ci sono elementi da eliminare"},
                       removeTitle);
    --model_.counts.nExtra;
    return std::nullopt;
}

void GridEntry::setMaximum(GridAxis axis, double metres) {
    const double given = metres > 0 ? metres : 0;
    const int index = axis == GridAxis::x ? 0 : axis == GridAxis::y ? 1 : 2;
    model_.drawMax(index) = static_cast<float>(given);
    if (given == 0)
        return;
    const double fitting = axis == GridAxis::x   ? 11000 / (1000 * given)
                           : axis == GridAxis::y ? 9000 / (1000 * given)
                                                 : 3000 / (1000 * given);
    float& scale = axis == GridAxis::z ? model_.elevScale : model_.planScale;
    if (fitting < scale)
        scale = static_cast<float>(fitting);
}

bool GridEntry::maximaGiven() const {
    return model_.drawMax(0) > 0 && model_.drawMax(1) > 0 && model_.drawMax(2) > 0;
}

void GridEntry::clear() {
    model_.counts = Counts{};
    countLevels(0);
    model_.drawMax = Array1<float>(0, 2);
    startEditingArrays();
    model_.planScale = clearedPlanScale;
    model_.elevScale = clearedElevScale;
}

std::optional<Message> GridEntry::handOverRefusal() const {
    std::vector<std::string> missing;
    const auto need = [&](int have, const std::string& what) {
        if (have < 2)
            missing.push_back("servono almeno 2 " + what + " (ora " + std::to_string(have) + ")");
    };
    need(count(GridAxis::x), "linee in direzione X");
    need(count(GridAxis::y), "linee in direzione Y");
    need(count(GridAxis::z), "livelli");
    if (!missing.empty()) {
        missing.insert(missing.begin(), "La griglia non è ancora completa:");
        return refusal(std::move(missing), handOverTitle);
    }
    std::vector<std::string> notBeyondZero;
    if (coordinate(GridAxis::x, count(GridAxis::x)) <= 0)
        notBeyondZero.push_back("l'ultima linea in direzione X");
    if (coordinate(GridAxis::y, count(GridAxis::y)) <= 0)
        notBeyondZero.push_back("l'ultima linea in direzione Y");
    if (coordinate(GridAxis::z, count(GridAxis::z)) <= 0)
        notBeyondZero.push_back("l'ultimo livello");
    if (!notBeyondZero.empty()) {
        std::vector<std::string> lines{"Devono avere coordinata maggiore di zero:"};
        lines.insert(lines.end(), notBeyondZero.begin(), notBeyondZero.end());
        lines.push_back("i disegni sono scalati sulle coordinate massime");
        return refusal(std::move(lines), handOverTitle);
    }
    return std::nullopt;
}

void GridEntry::handOver() {
    Model& m = model_;
    const Counts& c = m.counts;
    for (int e = 1; e <= c.nExtra; ++e) {
        m.coordX(c.nX + e) = m.coordX(extraNodeBase + e);
        m.coordY(c.nY + e) = m.coordY(extraNodeBase + e);
    }
    // The extents become the building's largest coordinates, in mm: the last line of each
    // direction, or an extra node beyond it, which would otherwise be drawn off every plan. The
    // scales fit them to the sketches.
    double largestX = m.coordX(c.nX);
    double largestY = m.coordY(c.nY);
    for (int e = 1; e <= c.nExtra; ++e) {
        largestX = std::max(largestX, m.coordX(c.nX + e));
        largestY = std::max(largestY, m.coordY(c.nY + e));
    }
    m.drawMax(0) = static_cast<float>(largestX);
    m.drawMax(1) = static_cast<float>(largestY);
    m.drawMax(2) = static_cast<float>(m.levelZ(c.nStoreys + 1));
    m.planScale = std::min(11000 / m.drawMax(0), 9000 / m.drawMax(1));
    m.elevScale = 3000 / m.drawMax(2);

    m.coordX = firstElements(m.coordX, c.nX + c.nExtra);
    m.coordY = firstElements(m.coordY, c.nY + c.nExtra);
    m.levelZ = firstElements(m.levelZ, c.nStoreys + 1);
    const DerivedSizes sizes = m.sizes();
    m.members = Array3<double>(1, c.nStoreys, 1, sizes.nSlots, 1, member::values);
    // A grid taken up from its file is a grid no longer.
    m.settings.erase(settingKey::gridLevels);
    m.settings.erase(settingKey::inputPhase);
}

Model gridAsSaved(const Model& editing) {
    const Counts& c = editing.counts;
    if (editing.coordX.upper() != GridEntry::extraNodeBase + GridEntry::maxExtraNodes) {
        // Already in the file's layout (a grid taken over from elsewhere).
        Model saved = editing;
        recordInputPhase(saved.settings, phase::grid);
        return saved;
    }
    Model saved;
    saved.counts = c;
    saved.drawMax = editing.drawMax;
    saved.planScale = editing.planScale;
    saved.elevScale = editing.elevScale;
    saved.settings = editing.settings;
    saved.coordX = Array1<double>(1, c.nX + c.nExtra);
    saved.coordY = Array1<double>(1, c.nY + c.nExtra);
    saved.levelZ = Array1<double>(1, c.nStoreys + 1);
    for (int i = 1; i <= c.nX; ++i)
        saved.coordX(i) = editing.coordX(i);
    for (int j = 1; j <= c.nY; ++j)
        saved.coordY(j) = editing.coordY(j);
    for (int e = 1; e <= c.nExtra; ++e) {
        saved.coordX(c.nX + e) = editing.coordX(GridEntry::extraNodeBase + e);
        saved.coordY(c.nY + e) = editing.coordY(GridEntry::extraNodeBase + e);
    }
    const int levels = static_cast<int>(editing.settings.number(settingKey::gridLevels)
                                            .value_or(c.nStoreys > 0 ? c.nStoreys + 1 : 0));
    for (int k = 1; k <= std::min(levels, c.nStoreys + 1); ++k)
        saved.levelZ(k) = editing.levelZ(k);
    recordInputPhase(saved.settings, phase::grid);
    return saved;
}

} // namespace orvanta
