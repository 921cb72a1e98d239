#pragma once

// frmSplash, shown while the main window and a project named on the command line are loading:
// the logo, the title and version, and the usual notices. A click on its frame asks for the
// main window at once through activated().

#include <QWidget>

namespace orvanta {

class SplashScreen : public QWidget {
    Q_OBJECT

public:
    explicit SplashScreen(QWidget* parent = nullptr);

signals:
    void activated();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace orvanta
