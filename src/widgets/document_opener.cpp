#include "document_opener.h"

#include <QDesktopServices>
#include <QUrl>

namespace orvanta {

bool DesktopDocumentOpener::open(const QString& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

} // namespace orvanta
