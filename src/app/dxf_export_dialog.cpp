#include "dxf_export_dialog.h"

#include "accessible_names.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

namespace orvanta {

DxfExportDialog::DxfExportDialog(int storeys, QWidget* parent)
    : QDialog(parent), one_(new QRadioButton(QStringLiteral("Un &piano:"), this)),
      separate_(new QRadioButton(QStringLiteral("Tutti i piani, un &file per piano"), this)),
      sideBySide_(new QRadioButton(QStringLiteral("Tutti i piani &affiancati in un file"), this)),
      storey_(new QSpinBox(this)) {
    setObjectName(QStringLiteral("frmEsportaDxf"));
    setWindowTitle(QStringLiteral("Esporta pianta DXF"));

    one_->setObjectName(QStringLiteral("optPiano"));
    separate_->setObjectName(QStringLiteral("optTuttiSeparati"));
    sideBySide_->setObjectName(QStringLiteral("optTuttiAffiancati"));
    storey_->setObjectName(QStringLiteral("txtPiano"));
    storey_->setRange(1, std::max(1, storeys));
    nameControl(*storey_, QStringLiteral("Piano da esportare"));
    one_->setChecked(true);

    auto* note = new QLabel(QStringLiteral("Il disegno è in millimetri, alle dimensioni reali del "
                                           "modello, su layer con nome (DXF R12)."),
                            this);
    note->setObjectName(QStringLiteral("lblNota"));
    note->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdEsporta"));
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Esporta..."));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdAnnulla"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annulla"));

    auto* oneRow = new QHBoxLayout;
    oneRow->addWidget(one_);
    oneRow->addWidget(storey_);
    oneRow->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(oneRow);
    layout->addWidget(separate_);
    layout->addWidget(sideBySide_);
    layout->addWidget(note);
    layout->addWidget(buttons);

    connect(one_, &QRadioButton::toggled, storey_, &QWidget::setEnabled);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

PlanExport DxfExportDialog::choice() const {
    if (separate_->isChecked())
        return {PlanStoreys::eachInItsFile, storey_->value()};
    if (sideBySide_->isChecked())
        return {PlanStoreys::sideBySide, storey_->value()};
    return {PlanStoreys::one, storey_->value()};
}

} // namespace orvanta
