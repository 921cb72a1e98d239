#pragma once

// The conventions numbers are shown with: the user's locale, or Italian where the system's
// locale is the bare C/POSIX one (a server or a container without a language set up).

#include "number_format.h"

#include <QLocale>

namespace orvanta {

// The default locale (the system's unless QLocale::setDefault chose another), Italian for C.
QLocale displayLocale();

// The grouping, decimal and minus signs of a locale, for the Qt-free report.
NumberFormat numberFormatOf(const QLocale& locale);

} // namespace orvanta
