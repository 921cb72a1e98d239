#include "typed_number.h"

#include "display_locale.h"

#include <QLineEdit>
#include <cmath>

namespace orvanta {

namespace {

constexpr const char* refusalTitle = "Valore non valido";

} // namespace

std::optional<double> typedNumber(const QString& text) {
    bool ok = false;
    const double value = displayLocale().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value == 0 ? 0.0 : value; // no negative zero
}

void refuseTypedValue(const QString& caption, const QString& reason, Asker& asker) {
    asker.tell({QStringLiteral("%1: %2.").arg(caption, reason).toStdString(),
                "Correggere il valore prima di procedere."},
               refusalTitle, MessageIcon::Critical);
}

std::optional<double> readTypedNumber(const QLineEdit& box, const QString& caption, Asker& asker) {
    if (std::optional<double> value = typedNumber(box.text()))
        return value;
    const QString text = box.text().trimmed();
    const QString decimalSign = displayLocale().decimalPoint();
    refuseTypedValue(caption,
                     text.isEmpty()
                         ? QStringLiteral("manca il valore")
                         : QStringLiteral("«%1» non è un numero (i decimali si separano con «%2»)")
                               .arg(text, decimalSign),
                     asker);
    return std::nullopt;
}

QString boxText(double value) {
    QLocale locale = displayLocale();
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value == 0 ? 0.0 : value, 'g', 15);
}

} // namespace orvanta
