#include "about_box.h"

#include "accessible_names.h"
#include "application_info.h"
#include "brand_pictures.h"
#include "picture_box.h"
#include "screen_labels.h"
#include "user_interaction.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvanta {

AboutBox::AboutBox(Asker& asker, QWidget* parent) : QDialog(parent), asker_(asker) {
    setObjectName("frmAbout");
    setWindowTitle(QStringLiteral("Informazioni su Orvanta"));
    setModal(true);

    auto* icon = new PictureBox("picIcon", logoPicture().extent(), this);
    icon->setContextMenuPolicy(Qt::NoContextMenu);
    icon->setDrawing(logoPicture());
    nameControl(*icon, QStringLiteral("Logo di Orvanta"));
    icon->setFixedSize(72, 72);

    QLabel* title =
        makeScreenLabel(this, "lblTitle", QString::fromLatin1(app::applicationTitle), 6, true);

    QLabel* version =
        makeScreenLabel(this, "lblVersion",
                        QStringLiteral("Versione %1").arg(QString::fromLatin1(app::versionText)));
    QLabel* description = makeScreenLabel(
        this, "lblDescription",
        QStringLiteral("Programma di analisi matriciale delle strutture per lo studio dei centri "
                       "parziali di rigidezza delle diverse famiglie di ritti. Modellazione ad "
                       "aste piane a sezione simmetrica estensibili assialmente e deformabili per "
                       "effetto del taglio."));

    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);

    QLabel* disclaimer = makeScreenLabel(
        this, "lblDisclaimer",
        QStringLiteral("Avvertenza: Orvanta è uno strumento di predimensionamento e di studio del "
                       "comportamento torsionale degli edifici. I risultati non sostituiscono il "
                       "calcolo strutturale e vanno verificati da un tecnico abilitato, che resta "
                       "il solo responsabile del progetto. Il programma è fornito così com'è, "
                       "senza garanzie di alcun tipo."),
        -1);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName("cmdOK");
    ok->setDefault(true);
    auto* systemInformation = new QPushButton(QStringLiteral("&System Info..."), this);
    systemInformation->setObjectName("cmdSysInfo");
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(systemInformation, &QPushButton::clicked, this, &AboutBox::showSystemInformation);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(systemInformation);
    buttons->addStretch(1);

    auto* heading = new QVBoxLayout;
    heading->setSpacing(8);
    heading->addWidget(title);
    heading->addWidget(version);
    heading->addSpacing(6);
    heading->addWidget(description);
    heading->addStretch(1);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setHorizontalSpacing(16);
    layout->addWidget(icon, 0, 0, Qt::AlignTop);
    layout->addLayout(heading, 0, 1);
    layout->addLayout(buttons, 0, 2);
    layout->addWidget(rule, 1, 0, 1, 3);
    layout->addWidget(disclaimer, 2, 0, 1, 3);
    layout->setColumnStretch(1, 1);
    resize(560, 300);
}

void AboutBox::showSystemInformation() {
    asker_.tell({"Informazioni sul sistema non disponibili in questa fase."}, app::applicationTitle,
                MessageIcon::Information);
}

} // namespace orvanta
