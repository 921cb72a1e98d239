#pragma once

// The picture box of every sketch and view: it keeps what was drawn as a Drawing (primitives in
// twips), paints it scaled to fit the widget while keeping the aspect, and exports it as an
// image, such as the plan bitmap saved beside the project.
//
//     auto* plan = new PictureBox("pctPianta", {12000, 10000}, this);
//     Drawing& d = plan->edit();          // schedules a repaint
//     drawAxisSymbol(d, planOrigin, "X", "Y");
//     d.line(planPoint(0, 0, s), planPoint(0, 8000, s), colours::cyan);
//
// Tests read plan->drawing() and its primitives; clicks are left to the parent window.

#include "drawing.h"
#include "drawing_painter.h"

#include <QImage>
#include <QWidget>

namespace orvanta {

class PictureBox : public QWidget {
    Q_OBJECT

public:
    PictureBox(const QString& objectName, TwipsSize extent, QWidget* parent = nullptr);

    const Drawing& drawing() const { return drawing_; }
    // The drawing, for changes; the box repaints once control returns to the event loop.
    Drawing& edit();
    void setDrawing(Drawing drawing);

    // Where the extent lands in the widget as it is sized now.
    DrawingViewport viewport() const;

    // The drawing at its natural size: the extent converted at the screen's resolution.
    QImage toImage() const;
    QImage toImage(QSize pixels) const { return renderDrawing(drawing_, pixels); }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return {80, 60}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSize naturalSize() const;

    Drawing drawing_;
};

} // namespace orvanta
