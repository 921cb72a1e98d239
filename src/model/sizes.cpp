#include "sizes.h"

#include <limits>

namespace orvanta {

std::optional<std::int16_t> checkedInt16(long long value) {
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(value);
}

namespace {

// Evaluates one size step by step, failing at the first intermediate that overflows.
class Checked {
public:
    explicit Checked(long long value) : value_(value) { check(); }
    Checked operator*(long long other) const { return Checked(ok_ ? value_ * other : 0, ok_); }
    Checked operator+(long long other) const { return Checked(ok_ ? value_ + other : 0, ok_); }
    Checked operator-(long long other) const { return Checked(ok_ ? value_ - other : 0, ok_); }
    bool ok() const { return ok_; }
    int value() const { return static_cast<int>(value_); }

private:
    Checked(long long value, bool ok) : value_(value), ok_(ok) { check(); }
    void check() { ok_ = ok_ && checkedInt16(value_).has_value(); }

    long long value_ = 0;
    bool ok_ = true;
};

} // namespace

std::string beyondEditorLimits(const Counts& c) {
    if (c.nX <= limits::gridLines && c.nY <= limits::gridLines && c.nStoreys <= limits::storeys &&
        c.nExtra <= limits::extraNodes)
        return {};
    return "dimensioni fuori dai limiti del programma (nX = " + std::to_string(c.nX) +
           ", nY = " + std::to_string(c.nY) + ", piani = " + std::to_string(c.nStoreys) +
           ", nodi aggiuntivi = " + std::to_string(c.nExtra) + "; al massimo " +
           std::to_string(limits::gridLines) + " allineamenti per direzione, " +
           std::to_string(limits::storeys) + " piani e " + std::to_string(limits::extraNodes) +
           " nodi aggiuntivi)";
}

SizeCheck deriveSizes(const Counts& c) {
    if (c.nX < 2 || c.nY < 2)
        return {std::nullopt, "servono almeno due allineamenti in X e due in Y (nX = " +
                                  std::to_string(c.nX) + ", nY = " + std::to_string(c.nY) + ")"};
    if (c.nStoreys < 1)
        return {std::nullopt,
                "serve almeno un piano (numero di piani = " + std::to_string(c.nStoreys) + ")"};
    if (c.nExtra < 0)
        return {std::nullopt,
                "numero di nodi aggiuntivi negativo (" + std::to_string(c.nExtra) + ")"};

    const Checked gridNodes = Checked(c.nX) * c.nY;
    const Checked loadSlots = Checked(3) * c.nX * c.nY - c.nX - c.nY;
    const Checked nSlots = loadSlots + c.nExtra;
    const Checked nodes = gridNodes + c.nExtra;
    const Checked bays = Checked(c.nX - 1) * (c.nY - 1);
    const Checked levels = Checked(c.nStoreys) + 1;
    const Checked ritRows = Checked(3) * c.nStoreys;
    const Checked xValues = Checked(c.nX) + c.nExtra;
    const Checked yValues = Checked(c.nY) + c.nExtra;
    // The slot arithmetic of the load distribution and the element tables reaches 2·nX·nY.
    const Checked twiceGrid = Checked(2) * c.nX * c.nY;

    for (const Checked* size : {&gridNodes, &loadSlots, &nSlots, &nodes, &bays, &levels, &ritRows,
                                &xValues, &yValues, &twiceGrid}) {
        if (!size->ok())
            return {std::nullopt, "dimensioni oltre il limite di 32767 (nX = " +
                                      std::to_string(c.nX) + ", nY = " + std::to_string(c.nY) +
                                      ", piani = " + std::to_string(c.nStoreys) +
                                      ", nodi aggiuntivi = " + std::to_string(c.nExtra) + ")"};
    }
    DerivedSizes sizes;
    sizes.gridNodes = gridNodes.value();
    sizes.nodes = nodes.value();
    sizes.loadSlots = loadSlots.value();
    sizes.nSlots = nSlots.value();
    sizes.bays = bays.value();
    sizes.levels = levels.value();
    sizes.ritRows = ritRows.value();
    sizes.xValues = xValues.value();
    sizes.yValues = yValues.value();
    return {sizes, {}};
}

} // namespace orvanta
