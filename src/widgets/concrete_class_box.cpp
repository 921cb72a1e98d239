#include "concrete_class_box.h"

#include "concrete.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace orvanta {

namespace {

QString classText(double rck) {
    return QString::number(rck, 'g', 6);
}

} // namespace

QStringList concreteClassItems() {
    return {"25", "30", "35", "40", "45", "50"};
}

void showConcreteClass(QComboBox& box, const Model& model) {
    const QSignalBlocker quiet(box);
    const QString shown = classText(projectConcreteClass(model));
    // A class typed into the project file by another program is shown as it is.
    if (box.findText(shown) < 0)
        box.addItem(shown);
    box.setCurrentText(shown);
}

void bindConcreteClass(QComboBox& box, ChildHost& host) {
    {
        const QSignalBlocker quiet(box);
        box.clear();
        box.addItems(concreteClassItems());
    }
    showConcreteClass(box, host.document().model());
    QObject::connect(&box, &QComboBox::currentIndexChanged, &box, [&box, &host] {
        bool isNumber = false;
        const double rck = box.currentText().toDouble(&isNumber);
        if (!isNumber || rck == projectConcreteClass(host.document().model()))
            return;
        host.document().apply(modelEdit("Classe Calcestruzzo", [rck](Model& m) {
            m.settings.setNumber(settingKey::concreteClass, rck);
        }));
    });
}

} // namespace orvanta
