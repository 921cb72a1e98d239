#include "matrix_window.h"

#include "number_table.h"

#include <QGridLayout>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>

namespace orvanta {

namespace {

// The blocks in the order of the grids: rows of X, Y and rotation freedoms against columns of
// the same three.
constexpr std::array<const char*, 9> blockNames{"Kxx", "Kxy", "Kxz", "Kyx", "Kyy",
                                                "Kyz", "Kzx", "Kzy", "Kzz"};

} // namespace

MatrixWindow::MatrixWindow(ChildHost& host, QWidget* parent) : QWidget(parent), host_(host) {
    setObjectName(QString::fromLatin1(childWindow::matrix));

    auto* factor = new QLabel(QStringLiteral("( Ecls / 100 )  x"), this);
    factor->setObjectName(QStringLiteral("lblCoefficiente"));
    QFont large = factor->font();
    large.setBold(true);
    factor->setFont(large);

    auto* grids = new QGridLayout;
    for (std::size_t b = 0; b < blocks_.size(); ++b) {
        const QString name = QString::fromLatin1(blockNames[b]);
        blocks_[b] = new NumberTableModel(this);
        auto* label = new QLabel(name, this);
        label->setObjectName(QStringLiteral("lbl") + name);
        QTableView* table = tables_[b] = makeNumberTable(
            QStringLiteral("mfg") + name, QStringLiteral("Blocco ") + name, blocks_[b], this);
        label->setBuddy(table);
        auto* cell = new QVBoxLayout;
        cell->addWidget(label);
        cell->addWidget(table, 1);
        grids->addLayout(cell, static_cast<int>(b / 3), static_cast<int>(b % 3));
    }

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(factor, 0, Qt::AlignVCenter);
    layout->addLayout(grids, 1);

    resize(1000, 640);
    fill();
}

void MatrixWindow::fill() {
    const Array2<double>& k = host_.results().globalStiffness;
    const int storeys = host_.session().model().counts.nStoreys;
    const bool matches = storeys > 0 && k.lower(1) == 1 && k.upper(1) == 3 * storeys &&
                         k.lower(2) == 1 && k.upper(2) == 3 * storeys;
    for (std::size_t b = 0; b < blocks_.size(); ++b) {
        if (!matches) {
            blocks_[b]->clear();
            continue;
        }
        const int rowOffset = static_cast<int>(b / 3) * storeys;
        const int columnOffset = static_cast<int>(b % 3) * storeys;
        std::vector<double> values;
        values.reserve(static_cast<std::size_t>(storeys) * static_cast<std::size_t>(storeys));
        for (int i = 1; i <= storeys; ++i) {
            for (int j = 1; j <= storeys; ++j)
                values.push_back(k(rowOffset + i, columnOffset + j) * shownFactor);
        }
        blocks_[b]->setValues(storeys, storeys, std::move(values));
        fitColumns(*tables_[b], *blocks_[b]);
    }
}

Following MatrixWindow::follow(ProjectChange change) {
    switch (change) {
    case ProjectChange::modelEdited:
        return Following::close;
    case ProjectChange::resultsRecomputed:
        fill();
        return Following::stayOpen;
    case ProjectChange::settingsChanged:
        return Following::stayOpen;
    case ProjectChange::familiesReassigned:
        return Following::stayOpen;
    }
    return Following::stayOpen;
}

} // namespace orvanta
