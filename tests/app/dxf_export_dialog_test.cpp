// File > "Esporta pianta DXF...": the dialog's choice of storeys, and the file names the
// storeys get when each has its own.

#include "accessibility_check.h"
#include "dxf_export_dialog.h"

#include <QRadioButton>
#include <QSpinBox>
#include <QtTest>

namespace orvanta {

class DxfExportDialogTest : public QObject {
    Q_OBJECT

private slots:
    void oneStoreyFirstWithinTheBuildingsStoreys() {
        DxfExportDialog dialog(4);
        QCOMPARE(dialog.choice(), (PlanExport{PlanStoreys::one, 1}));
        auto* storey = dialog.findChild<QSpinBox*>("txtPiano");
        QCOMPARE(storey->maximum(), 4);
        storey->setValue(9);
        QCOMPARE(dialog.choice(), (PlanExport{PlanStoreys::one, 4}));
        QCOMPARE(testing::unnamedControls(dialog), QStringList{});
    }

    void everyStoreySeparateOrSideBySide() {
        DxfExportDialog dialog(3);
        dialog.findChild<QRadioButton*>("optTuttiSeparati")->setChecked(true);
        QCOMPARE(dialog.choice().storeys, PlanStoreys::eachInItsFile);
        QVERIFY(!dialog.findChild<QSpinBox*>("txtPiano")->isEnabled());
        dialog.findChild<QRadioButton*>("optTuttiAffiancati")->setChecked(true);
        QCOMPARE(dialog.choice().storeys, PlanStoreys::sideBySide);
    }

    void eachStoreysFileIsNamedAfterIt() {
        QCOMPARE(QString::fromStdString(storeyFilePath("/tmp/casa/pianta.dxf", 2)),
                 QStringLiteral("/tmp/casa/pianta-piano-2.dxf"));
        QCOMPARE(QString::fromStdString(storeyFilePath("pianta", 12)),
                 QStringLiteral("pianta-piano-12.dxf"));
    }
};

} // namespace orvanta

QTEST_MAIN(orvanta::DxfExportDialogTest)
#include "dxf_export_dialog_test.moc"
