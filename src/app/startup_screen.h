#pragma once

// frmAvvio, the start-up screen: the program's name, what it does and a picture. A click
// anywhere on it, its picture or its labels (or Enter, Space or Escape), or its button "Inizia"
// asks for the main window through activated().

#include <QWidget>

namespace orvanta {

class StartupScreen : public QWidget {
    Q_OBJECT

public:
    explicit StartupScreen(QWidget* parent = nullptr);

signals:
    void activated();

protected:
    // The labels and the picture leave their clicks to this window.
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace orvanta
