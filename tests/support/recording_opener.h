#pragma once

// A document opener for tests: it records the documents the program asks to open, and succeeds
// or fails as told, instead of starting a viewer.

#include "document_opener.h"

#include <QStringList>

namespace orvanta::testing {

class RecordingOpener : public DocumentOpener {
public:
    bool open(const QString& path) override {
        opened << path;
        return succeed;
    }
    QStringList opened;
    bool succeed = true;
};

} // namespace orvanta::testing
