#include "storey_selector.h"

#include "accessible_names.h"

#include <QComboBox>
#include <QLabel>
#include <algorithm>

namespace orvanta {

NumberSelector* makeStoreySelector(QLabel& label, Asker& asker, int nStoreys, QWidget* parent) {
    auto* selector = new NumberSelector(QStringLiteral("txtPiano"), QStringLiteral("hsbPiano"),
                                        rangeMessages::storey(), asker, parent);
    selector->setRange(1, std::max(1, nStoreys));
    selector->setValue(1);
    nameAfterLabel(label, *selector);
    return selector;
}

void fillStoreyList(QComboBox& list, int n) {
    list.clear();
    for (int k = 1; k <= n; ++k)
        list.addItem(QString::number(k), k);
    list.setCurrentIndex(n > 0 ? 0 : -1);
}

int chosenStorey(const QComboBox& list) {
    return std::max(1, list.currentIndex() + 1);
}

} // namespace orvanta
