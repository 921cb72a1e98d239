#pragma once

// File > "Esporta pianta DXF...": which storey's plan to write. optPiano with txtPiano writes
// one storey (the first at first); optTuttiSeparati every storey in a file of its own;
// optTuttiAffiancati every storey side by side in one file. The file is chosen afterwards.

#include "plan_dxf.h"

#include <QDialog>

class QRadioButton;
class QSpinBox;

namespace orvanta {

class DxfExportDialog : public QDialog {
    Q_OBJECT

public:
    DxfExportDialog(int storeys, QWidget* parent = nullptr);

    PlanExport choice() const;

private:
    QRadioButton* one_;
    QRadioButton* separate_;
    QRadioButton* sideBySide_;
    QSpinBox* storey_;
};

} // namespace orvanta
