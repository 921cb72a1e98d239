#include "plan_bitmap.h"

#include "bmp_writer.h"
#include "drawing_painter.h"
#include "plan_view.h"
#include "storey_plan.h"
#include "twips.h"
#include "view_drawing.h"

#include <cstring>
#include <vector>

namespace orvanta {

QImage planBitmap(const Model& model, int storey) {
    Drawing drawing;
    drawStoreyPlan(drawing, storeyPlan(model, storey), planScaleOf(model), bitmapPlanStyle());
    fitExtentToContents(drawing, Drawing::defaultExtent);
    const TwipsSize extent = drawing.extent();
    return renderDrawing(drawing, QSize(twipsToPixels(extent.width, planBitmapDpi),
                                        twipsToPixels(extent.height, planBitmapDpi)));
}

std::string writePlanBitmap(const Model& model, int storey, const std::string& path) {
    const QImage picture = planBitmap(model, storey).convertToFormat(QImage::Format_RGB888);
    const int rowBytes = picture.width() * 3;
    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(rowBytes) * picture.height());
    for (int y = 0; y < picture.height(); ++y)
        std::memcpy(rgb.data() + static_cast<std::size_t>(y) * rowBytes, picture.constScanLine(y),
                    static_cast<std::size_t>(rowBytes));
    return writeFileBytes(path, encodeBmp24(picture.width(), picture.height(), rgb));
}

} // namespace orvanta
