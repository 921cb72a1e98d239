#include "concrete_class_box.h"

#include "concrete.h"
#include "project_document.h"

#include <QSignalBlocker>

namespace orvanta {

namespace {

constexpr double codeClasses[] = {30, 35, 40, 45, 50, 55}; // Rck, N/mm²

} // namespace

QStringList concreteClassItems() {
    QStringList names;
    for (const double cube : codeClasses)
        names << QString::fromStdString(concreteClassName(cube));
    return names;
}

void fillConcreteClasses(QComboBox& box, double rck) {
    box.clear();
    for (const double cube : codeClasses)
        box.addItem(QString::fromStdString(concreteClassName(cube)), cube);
    if (box.findData(rck) < 0)
        box.addItem(QString::fromStdString(concreteClassName(rck)), rck);
    box.setCurrentIndex(box.findData(rck));
}

double selectedConcreteClass(const QComboBox& box) {
    return box.currentData().toDouble();
}

void showConcreteClass(QComboBox& box, const Model& model) {
    const QSignalBlocker quiet(box);
    const double rck = projectConcreteClass(model);
    if (box.findData(rck) < 0)
        box.addItem(QString::fromStdString(concreteClassName(rck)), rck);
    box.setCurrentIndex(box.findData(rck));
}

void bindConcreteClass(QComboBox& box, ChildHost& host) {
    {
        const QSignalBlocker quiet(box);
        fillConcreteClasses(box, projectConcreteClass(host.document().model()));
    }
    QObject::connect(&box, &QComboBox::currentIndexChanged, &box, [&box, &host] {
        const double rck = selectedConcreteClass(box);
        if (!(rck > 0) || rck == projectConcreteClass(host.document().model()))
            return;
        host.document().apply(modelEdit("Classe Calcestruzzo", [rck](Model& m) {
            m.settings.setNumber(settingKey::concreteClass, rck);
        }));
    });
}

} // namespace orvanta
