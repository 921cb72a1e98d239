#include "splash_screen.h"

#include "accessible_names.h"
#include "application_info.h"
#include "brand_pictures.h"
#include "picture_box.h"
#include "screen_labels.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QSysInfo>
#include <QVBoxLayout>

namespace orvanta {

SplashScreen::SplashScreen(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName("frmSplash");
    setWindowTitle(QString::fromLatin1(app::applicationTitle));

    auto* frame = new QFrame(this);
    frame->setObjectName("fraMainFrame");
    frame->setFrameShape(QFrame::Box);
    frame->setLineWidth(1);
    frame->installEventFilter(this);
    frame->setCursor(Qt::PointingHandCursor);

    auto* logo = new PictureBox("picLogo", logoPicture().extent(), frame);
    logo->setContextMenuPolicy(Qt::NoContextMenu);
    logo->setDrawing(logoPicture());
    nameControl(*logo, QStringLiteral("Logo di Orvanta"));
    logo->setFixedSize(120, 120);

    const QString title = QString::fromLatin1(app::applicationTitle);
    auto* grid = new QGridLayout(frame);
    grid->setContentsMargins(18, 18, 18, 18);
    grid->setHorizontalSpacing(18);
    grid->addWidget(logo, 0, 0, 4, 1, Qt::AlignTop);
    grid->addWidget(makeScreenLabel(frame, "lblCompanyProduct",
                                    QStringLiteral("Analisi per Famiglie di Ritti")),
                    0, 1);
    grid->addWidget(makeScreenLabel(frame, "lblProductName", title, 14, true), 1, 1);
    grid->addWidget(makeScreenLabel(frame, "lblPlatform",
                                    QStringLiteral("per %1").arg(QSysInfo::prettyProductName())),
                    2, 1);
    grid->addWidget(
        makeScreenLabel(frame, "lblVersion",
                        QStringLiteral("Versione %1").arg(QString::fromLatin1(app::versionText))),
        3, 1);
    grid->addWidget(makeScreenLabel(frame, "lblLicenseTo",
                                    QStringLiteral("Uso riservato a ingegneri strutturisti")),
                    4, 0, 1, 2);
    grid->addWidget(
        makeScreenLabel(frame, "lblCompany", QStringLiteral("Gruppo di sviluppo Orvanta")), 5, 0, 1,
        2);
    grid->addWidget(
        makeScreenLabel(frame, "lblCopyright", QStringLiteral("Tutti i diritti riservati.")), 6, 0,
        1, 2);
    grid->addWidget(
        makeScreenLabel(
            frame, "lblWarning",
            QStringLiteral("Strumento di predimensionamento: i risultati vanno verificati "
                           "da un tecnico abilitato prima di ogni uso progettuale."),
            -1),
        7, 0, 1, 2);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(frame);
    resize(460, 300);
}

// A click anywhere on the frame, its logo or its labels.
bool SplashScreen::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        emit activated();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace orvanta
