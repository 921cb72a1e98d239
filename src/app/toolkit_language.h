#pragma once

// The toolkit's own texts (the buttons of message boxes, the file dialogs) in Italian, like the
// rest of the program, from Qt's translations (Debian's qt6-translations-l10n).

class QCoreApplication;

namespace orvanta {

// Installs Qt's Italian translations into the application. Returns false, leaving the toolkit
// in English, when they are not installed.
bool installToolkitTranslations(QCoreApplication& application);

} // namespace orvanta
