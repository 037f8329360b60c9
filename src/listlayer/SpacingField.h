#pragma once
// The number field of an entry's spacing, in the one range every spacing field has; how the
// typed text is read stays each dialog's own.
#include "document/Limits.h"
#include "widgets/NumberField.h"

namespace quillora::listlayer {

inline widgets::NumberField* NewSpacingField(widgets::NumberField::Kind reading, QWidget* parent) {
    return new widgets::NumberField(document::kMinEntrySpacingMm, document::kMaxEntrySpacingMm, reading, parent);
}

}  // namespace quillora::listlayer
