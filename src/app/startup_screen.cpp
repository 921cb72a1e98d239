#include "startup_screen.h"

#include "accessible_names.h"
#include "application_info.h"
#include "brand_pictures.h"
#include "picture_box.h"
#include "screen_labels.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace orvanta {

namespace {

QLabel* addTo(QVBoxLayout& column, QWidget* parent, const char* name, const QString& text,
              int pointSizeChange = 0, bool bold = false) {
    QLabel* label = makeScreenLabel(parent, name, text, pointSizeChange, bold);
    column.addWidget(label);
    return label;
}

} // namespace

StartupScreen::StartupScreen(QWidget* parent) : QWidget(parent) {
    setObjectName("frmAvvio");
    setWindowTitle(QStringLiteral("Orvanta - Analisi per Famiglie di Ritti"));
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);

    auto* picture = new PictureBox("Image2", startupPicture().extent(), this);
    picture->setContextMenuPolicy(Qt::NoContextMenu);
    picture->setDrawing(startupPicture());
    nameControl(*picture, QStringLiteral("Telaio di quattro piani deformato dalle forze di piano"));
    picture->setMinimumSize(432, 360);

    auto* text = new QVBoxLayout;
    text->setSpacing(10);
    addTo(*text, this, "lblProductName",
          QStringLiteral("\"%1\"").arg(QString::fromLatin1(app::applicationTitle)), 16, true);
    addTo(*text, this, "lblWarning",
          QStringLiteral("Programma per l'analisi matriciale e la gestione dei centri "
                         "parziali di rigidezza di strutture in c.a."),
          2, true);
    addTo(*text, this, "Label2",
          QStringLiteral("Modellazione globale di aste piane assialmente estendibili e "
                         "deformabili per effetto del taglio"));
    addTo(*text, this, "Label6", QStringLiteral("Calcolo automatico delle famiglie di ritti"));
    text->addStretch(1);

    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    text->addWidget(rule);
    addTo(*text, this, "Label4", QStringLiteral("Progetto e sviluppo:"), -1);
    addTo(*text, this, "lblCompanyProduct",
          QStringLiteral("il gruppo di sviluppo di Orvanta, per gli ingegneri strutturisti"), -1,
          true);
    addTo(*text, this, "lblBestViewed", QStringLiteral("(Best viewed on 1024 x 768 resolution)"),
          -2);
    QLabel* hint = addTo(*text, this, "lblContinua",
                         QStringLiteral("Fare clic in un punto qualsiasi per iniziare"), -1);
    hint->setStyleSheet(QStringLiteral("color: #1f5fa8;"));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(16, 16, 20, 16);
    layout->setSpacing(20);
    layout->addWidget(picture, 3);
    layout->addLayout(text, 2);
    resize(880, 440);
}

void StartupScreen::mousePressEvent(QMouseEvent* event) {
    event->accept();
    emit activated();
}

void StartupScreen::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
    case Qt::Key_Escape:
        event->accept();
        emit activated();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

} // namespace orvanta
