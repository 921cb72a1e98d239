#pragma once

// The plan picture saved beside the project at the end of the input phases
// (projectFolder/projectName.bmp) and shown by the later windows: the plan of one storey drawn
// by the shared plan function in the bitmap style (white paper, black beams and labels, pen
// width 2, 18-point labels), the picture box's 12000 × 10000 twips rendered at 96 dpi, i.e.
// 800 × 667 pixels, written as an uncompressed 24-bit BMP.

#include "model.h"

#include <QImage>
#include <string>

namespace orvanta {

inline constexpr int planBitmapWidth = 800;  // pixels: 12000 twips at 15 twips a pixel
inline constexpr int planBitmapHeight = 667; // pixels: 10000 twips

// The picture of the storey's plan.
QImage planBitmap(const Model& model, int storey);

// Writes the picture of the storey's plan to the file; the Italian reason when it cannot be
// written, empty when it was.
std::string writePlanBitmap(const Model& model, int storey, const std::string& path);

} // namespace orvanta
