#include "picture_box.h"

#include "image_export_dialog.h"
#include "twips.h"

#include <QMenu>
#include <QPainter>
#include <utility>

namespace orvanta {

PictureBox::PictureBox(const QString& objectName, TwipsSize extent, QWidget* parent)
    : QWidget(parent), drawing_(extent) {
    setObjectName(objectName);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    // Every drawing can leave the program as an image; the program's own pictures (the logo)
    // switch this off with Qt::NoContextMenu.
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        QMenu menu(this);
        QAction* exportImage = menu.addAction(QStringLiteral("Esporta immagine..."));
        exportImage->setObjectName(QStringLiteral("mnuEsportaImmagine"));
        if (menu.exec(mapToGlobal(at)) == exportImage)
            askAndExportDrawing(drawing_, exportName(*this), this);
    });
}

Drawing& PictureBox::edit() {
    update();
    return drawing_;
}

void PictureBox::setDrawing(Drawing drawing) {
    drawing_ = std::move(drawing);
    updateGeometry();
    update();
}

DrawingViewport PictureBox::viewport() const {
    return fitDrawing(drawing_.extent(), QRectF(rect()));
}

QImage PictureBox::toImage() const {
    return renderDrawing(drawing_, naturalSize());
}

QSize PictureBox::naturalSize() const {
    const double dpiX = logicalDpiX();
    const double dpiY = logicalDpiY();
    return {std::max(1, twipsToPixels(drawing_.extent().width, dpiX)),
            std::max(1, twipsToPixels(drawing_.extent().height, dpiY))};
}

QSize PictureBox::sizeHint() const {
    return naturalSize();
}

void PictureBox::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    paintDrawing(painter, drawing_, QRectF(rect()));
}

} // namespace orvanta
