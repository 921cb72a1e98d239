#include "typed_number.h"

#include <QLineEdit>
#include <cmath>

namespace orvanta {

namespace {

std::optional<double> acceptable(double value) {
    if (!std::isfinite(value) || std::fabs(value) > largestTypedMagnitude)
        return std::nullopt;
    return value + 0.0; // -0 becomes 0
}

} // namespace

std::optional<double> typedNumber(const QString& text, const QLocale& locale) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    bool ok = false;
    double value = locale.toDouble(trimmed, &ok);
    if (!ok) {
        QLocale periodDecimal = QLocale::c();
        periodDecimal.setNumberOptions(QLocale::RejectGroupSeparator);
        value = periodDecimal.toDouble(trimmed, &ok);
    }
    if (!ok)
        return std::nullopt;
    return acceptable(value);
}

Message notANumberMessage(const QString& boxName) {
    return Message{{"Il valore di \"" + boxName.toStdString() + "\" non è un numero valido",
                    "Correggere il valore prima di procedere"},
                   "Valore non valido",
                   MessageIcon::Exclamation,
                   MessageButtons::Ok};
}

std::optional<double> readNumberBox(const QLineEdit& box, Asker& asker) {
    const std::optional<double> value = typedNumber(box.text());
    if (!value)
        asker.ask(notANumberMessage(box.accessibleName()));
    return value;
}

} // namespace orvanta
