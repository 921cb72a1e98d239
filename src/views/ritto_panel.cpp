#include "ritto_panel.h"

#include "accessible_names.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableView>
#include <QVBoxLayout>

namespace orvanta {

RittoPanel::RittoPanel(int view, Asker& asker, QWidget* parent)
    : QFrame(parent), ritto_(new NumberSelector(QStringLiteral("txtRitto%1").arg(view),
                                                QStringLiteral("hsbRitto%1").arg(view),
                                                rangeMessages::ritto(), asker, this)),
      coefficient_(new QLabel(this)), matrix_(new NumberTableModel(this)),
      grid_(makeNumberTable(QStringLiteral("mfgRitto%1").arg(view),
                            QStringLiteral("Matrice normalizzata del ritto (vista %1)").arg(view),
                            matrix_, this)),
      family_(new QComboBox(this)),
      // The caption's blanks broke it over two lines in a button of fixed width.
      modify_(new QPushButton(QStringLiteral("Modifica Famiglia\ndi Appartenenza"), this)) {
    setObjectName(QStringLiteral("fraRitto%1").arg(view));
    setFrameShape(QFrame::StyledPanel);

    auto* rittoLabel = new QLabel(QStringLiteral("RITTO N°"), this);
    rittoLabel->setObjectName(QStringLiteral("lblRitto%1").arg(view));
    nameAfterLabel(*rittoLabel, *ritto_);
    // Each view is a control of its own for a screen reader: say which one.
    nameControl(*ritto_, QStringLiteral("Ritto N° (vista %1)").arg(view));

    coefficient_->setObjectName(QStringLiteral("lblCoefficiente%1").arg(view));
    coefficient_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* familyLabel = new QLabel(QStringLiteral("Numero di Famiglia  del Ritto Corrente"), this);
    familyLabel->setObjectName(QStringLiteral("lblFamiglia%1").arg(view));
    familyLabel->setWordWrap(true);
    family_->setObjectName(QStringLiteral("cmbFamiglia%1").arg(view));
    family_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    family_->setMinimumContentsLength(5); // up to 10 000 families, measured once
    nameAfterLabel(*familyLabel, *family_);
    nameControl(*family_,
                QStringLiteral("Numero di Famiglia del Ritto Corrente (vista %1)").arg(view));

    modify_->setObjectName(QStringLiteral("cmdModifica%1").arg(view));
    nameControl(*modify_, QStringLiteral("Modifica Famiglia di Appartenenza (vista %1)").arg(view));

    auto* rittoRow = new QHBoxLayout;
    rittoRow->addWidget(rittoLabel);
    rittoRow->addWidget(ritto_, 1);

    auto* familyRow = new QHBoxLayout;
    familyRow->addWidget(familyLabel, 1);
    familyRow->addWidget(family_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(rittoRow);
    layout->addWidget(coefficient_);
    layout->addWidget(grid_, 1);
    layout->addLayout(familyRow);
    layout->addWidget(modify_);

    connect(modify_, &QPushButton::clicked, this, &RittoPanel::modifyPressed);
}

void RittoPanel::setFamilies(int count) {
    const QSignalBlocker quiet(family_);
    family_->clear();
    QStringList numbers;
    numbers.reserve(count);
    for (int f = 1; f <= count; ++f)
        numbers << QString::number(f);
    family_->addItems(numbers);
}

void RittoPanel::selectFamily(int family) {
    const QSignalBlocker quiet(family_);
    family_->setCurrentIndex(family >= 1 && family <= family_->count() ? family - 1 : -1);
}

int RittoPanel::chosenFamily() const {
    return family_->currentIndex() + 1;
}

void RittoPanel::showMatrix(const QString& coefficient, int size, int filled,
                            std::vector<double> values) {
    coefficient_->setText(coefficient);
    matrix_->setValues(size, filled, std::move(values));
    fitColumns(*grid_, *matrix_);
}

} // namespace orvanta
