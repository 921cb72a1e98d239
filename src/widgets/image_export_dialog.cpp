#include "image_export_dialog.h"

#include "accessible_names.h"
#include "display_locale.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace orvanta {

namespace {

constexpr int lowestDpi = 72;
constexpr int highestDpi = 1200;

QString& lastFolder() {
    static QString folder = QDir::homePath();
    return folder;
}

} // namespace

ImageExportDialog::ImageExportDialog(TwipsSize extent, QWidget* parent)
    : QDialog(parent), extent_(extent), format_(new QComboBox(this)),
      resolution_(new QSpinBox(this)),
      whitePaper_(new QCheckBox(QStringLiteral("Sfondo bianco per la stampa"), this)),
      pixels_(new QLabel(this)) {
    setObjectName(QStringLiteral("frmEsportaImmagine"));
    setWindowTitle(QStringLiteral("Esporta immagine"));

    format_->setObjectName(QStringLiteral("cmbFormato"));
    format_->addItems(
        {QStringLiteral("PNG (immagine a punti)"), QStringLiteral("SVG (disegno vettoriale)")});
    resolution_->setObjectName(QStringLiteral("txtRisoluzione"));
    resolution_->setRange(lowestDpi, highestDpi);
    resolution_->setValue(defaultExportDpi);
    resolution_->setSuffix(QStringLiteral(" dpi"));
    whitePaper_->setObjectName(QStringLiteral("chkSfondoBianco"));
    whitePaper_->setChecked(true);
    pixels_->setObjectName(QStringLiteral("lblDimensioni"));

    auto* formatLabel = new QLabel(QStringLiteral("&Formato:"), this);
    formatLabel->setObjectName(QStringLiteral("lblFormato"));
    nameAfterLabel(*formatLabel, *format_);
    auto* resolutionLabel = new QLabel(QStringLiteral("&Risoluzione:"), this);
    resolutionLabel->setObjectName(QStringLiteral("lblRisoluzione"));
    nameAfterLabel(*resolutionLabel, *resolution_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdEsporta"));
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Esporta..."));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdAnnulla"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annulla"));

    auto* form = new QFormLayout;
    form->addRow(formatLabel, format_);
    form->addRow(resolutionLabel, resolution_);
    form->addRow(QString(), pixels_);
    form->addRow(QString(), whitePaper_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    connect(format_, &QComboBox::currentIndexChanged, this, &ImageExportDialog::describe);
    connect(resolution_, &QSpinBox::valueChanged, this, &ImageExportDialog::describe);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    describe();
}

ImageExport ImageExportDialog::options() const {
    return {format_->currentIndex() == 1 ? ImageFormat::svg : ImageFormat::png,
            resolution_->value(), whitePaper_->isChecked()};
}

void ImageExportDialog::describe() {
    const bool png = options().format == ImageFormat::png;
    resolution_->setEnabled(png);
    const QSize size = printedPixels(extent_, png ? resolution_->value() : svgPixelsPerInch);
    const double widthCm = extent_.width / 1440 * 2.54;
    const double heightCm = extent_.height / 1440 * 2.54;
    const QLocale locale = displayLocale();
    pixels_->setText(
        png ? QStringLiteral("%1 × %2 pixel, stampa %3 × %4 cm")
                  .arg(size.width())
                  .arg(size.height())
                  .arg(locale.toString(widthCm, 'f', 1), locale.toString(heightCm, 'f', 1))
            : QStringLiteral("Disegno vettoriale, pagina %1 × %2 cm")
                  .arg(locale.toString(widthCm, 'f', 1), locale.toString(heightCm, 'f', 1)));
}

QString exportName(const QWidget& picture) {
    for (const QWidget* w = picture.parentWidget(); w; w = w->parentWidget()) {
        if (w->objectName().startsWith(QLatin1String("frm")))
            return w->objectName() + QLatin1Char('-') + picture.objectName();
    }
    return picture.objectName();
}

void askAndExportDrawing(const Drawing& drawing, const QString& name, QWidget* parent) {
    ImageExportDialog dialog(drawing.extent(), parent);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const ImageExport options = dialog.options();
    const bool svg = options.format == ImageFormat::svg;
    const QString extension = svg ? QStringLiteral(".svg") : QStringLiteral(".png");
    QString path = QFileDialog::getSaveFileName(
        parent, QStringLiteral("Esporta immagine"), QDir(lastFolder()).filePath(name + extension),
        svg ? QStringLiteral("Immagine SVG (*.svg)") : QStringLiteral("Immagine PNG (*.png)"));
    if (path.isEmpty())
        return;
    if (!path.endsWith(extension, Qt::CaseInsensitive))
        path += extension;
    lastFolder() = QFileInfo(path).absolutePath();
    const QString error = exportDrawing(drawing, path, options);
    if (!error.isEmpty())
        QMessageBox::critical(parent, QStringLiteral("Esportazione non riuscita"), error);
}

} // namespace orvanta
