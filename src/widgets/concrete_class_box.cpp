#include "concrete_class_box.h"

#include "concrete.h"

namespace orvanta {

namespace {

constexpr double codeClasses[] = {30, 35, 40, 45, 50, 55}; // Rck, N/mm²

} // namespace

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

} // namespace orvanta
