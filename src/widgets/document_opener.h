#pragma once

// Opens a document the program wrote (the calculation report) in the program the desktop
// associates with its type. The windows go through this interface, so that the tests can stand
// in for the desktop without starting a viewer.

#include <QString>

namespace orvanta {

class DocumentOpener {
public:
    virtual ~DocumentOpener() = default;
    // False when the desktop has no program for the file, or could not start it.
    virtual bool open(const QString& path) = 0;
};

// The desktop's own association (xdg-open on Linux, the shell on Windows and macOS).
class DesktopDocumentOpener : public DocumentOpener {
public:
    bool open(const QString& path) override;
};

} // namespace orvanta
