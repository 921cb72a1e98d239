#pragma once

// "Esporta immagine": the format (cmbFormato: SVG vector or PNG), the PNG resolution
// (txtRisoluzione, dpi, 300 at first), white paper for print (chkSfondoBianco, on at first) and
// the pixels the PNG will have at the drawing's printed size (lblDimensioni). The file is then
// chosen with the save dialog.

#include "drawing.h"
#include "drawing_export.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QSpinBox;

namespace orvanta {

class ImageExportDialog : public QDialog {
    Q_OBJECT

public:
    ImageExportDialog(TwipsSize extent, QWidget* parent = nullptr);

    ImageExport options() const;

private:
    void describe();

    TwipsSize extent_;
    QComboBox* format_;
    QSpinBox* resolution_;
    QCheckBox* whitePaper_;
    QLabel* pixels_;
};

// The file name offered for a picture's image: "<window>-<picture>" after the objectName of the
// child window holding it ("frmCentri-pctPianta"), or the picture's own name.
QString exportName(const QWidget& picture);

// Asks for the options and the file, then writes the drawing; a failure is shown with the file
// and the reason. `name` is the file name offered, without extension.
void askAndExportDrawing(const Drawing& drawing, const QString& name, QWidget* parent);

} // namespace orvanta
