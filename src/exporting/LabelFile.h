#pragma once
// The label as a file for others: a PNG of its square at a chosen resolution with the outside of
// the disc and the hole transparent, or a one-page PDF whose page is the label's square at its
// real size, holding that picture without loss. The pixels are qlrtool render's.
#include <QByteArray>
#include <string>

#include "document/LabelDocument.h"

namespace quillora::exporting {

enum class ExportFormat { Png = 0, Pdf = 1 };

inline constexpr int kMinExportDpi = 150;
inline constexpr int kMaxExportDpi = 1200;

// The file's bytes; empty when the label cannot be rendered at that resolution.
QByteArray EncodeLabel(const document::LabelDocument& doc, ExportFormat format, int dpi);

// Encodes the label and puts it at `path` only when complete; false, with no file left behind,
// when it cannot be written.
bool WriteLabelFile(const document::LabelDocument& doc, ExportFormat format, int dpi, const std::string& path);

}  // namespace quillora::exporting
