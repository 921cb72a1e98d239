#include "display_locale.h"

namespace orvanta {

QLocale displayLocale() {
    const QLocale user; // the system's, unless the program (or a test) set another default
    if (user.language() == QLocale::C)
        return QLocale(QLocale::Italian, QLocale::Italy);
    return user;
}

NumberFormat numberFormatOf(const QLocale& locale) {
    return {locale.groupSeparator().toStdString(), locale.decimalPoint().toStdString(),
            locale.negativeSign().toStdString()};
}

} // namespace orvanta
