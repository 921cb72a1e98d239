#pragma once

// The plan picture saved beside the project at the end of the input phases
// (projectFolder/projectName.bmp) and shown by the later windows: the plan of one storey drawn
// by the shared plan function in the bitmap style (white paper, black beams and labels, pen
// width 2, 18-point labels), the picture box's 12000 × 10000 twips rendered at 96 dpi, i.e.
// 800 × 667 pixels, written as an uncompressed 24-bit BMP. An extra node in front of the first
// grid line lies below those 10000 twips: the picture grows to hold it (up to twice as high), so
// that its ritto can be found on the plan the later windows show.

#include "model.h"

#include <QImage>
#include <string>

namespace orvanta {

inline constexpr double planBitmapDpi = 96; // 15 twips a pixel

// The picture of the storey's plan.
QImage planBitmap(const Model& model, int storey);

// Writes the picture of the storey's plan to the file; the Italian reason when it cannot be
// written, empty when it was.
std::string writePlanBitmap(const Model& model, int storey, const std::string& path);

} // namespace orvanta
