#pragma once

// frmAbout, "Informazioni su Orvanta": title, version of the build, description, legal notice,
// OK and a system-information button. This platform has no system-information tool, so the
// button says so in an information message.

#include <QDialog>

namespace orvanta {

class Asker;

class AboutBox : public QDialog {
    Q_OBJECT

public:
    AboutBox(Asker& asker, QWidget* parent = nullptr);

private:
    void showSystemInformation();

    Asker& asker_;
};

} // namespace orvanta
