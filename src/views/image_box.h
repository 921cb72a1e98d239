#pragma once

// A picture loaded from a file (the plan bitmap saved beside the project), painted scaled to
// fit the widget while keeping its aspect, centred on a white ground.

#include <QImage>
#include <QWidget>

namespace orvanta {

class ImageBox : public QWidget {
    Q_OBJECT

public:
    explicit ImageBox(const QString& objectName, QWidget* parent = nullptr);

    // Shows the image; an empty image leaves the box blank.
    void setImage(QImage image);
    const QImage& image() const { return image_; }

    QSize sizeHint() const override { return {360, 300}; }
    QSize minimumSizeHint() const override { return {120, 100}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage image_;
};

} // namespace orvanta
