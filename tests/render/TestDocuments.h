#pragma once
// Small documents for the drawing tests: a new 120/30 label and layers added on top of it.
#include <string>

#include "document/LabelDocument.h"

namespace quillora::render {

document::LabelDocument NewLabel(int outerMm = 120, int innerMm = 30);
// Inserts a layer at the selection (above the selected layer) and returns its slot.
int AddTextLayer(document::LabelDocument& doc, const std::string& text, int posX, int posY);
int AddPictureLayer(document::LabelDocument& doc, int placement, int widthMm, int heightMm);
void SetListEntries(document::LabelDocument& doc, int count, const std::string& text = "Track");

}  // namespace quillora::render
