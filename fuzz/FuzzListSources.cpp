// Feeds arbitrary bytes to every list file format's reader and puts what each returns
// into a list: every stored text must be a well-formed, NUL-free code page 932 line.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>

#include "document/Limits.h"
#include "document/Records.h"
#include "listimport/ListEntries.h"
#include "listimport/ListFormats.h"
#include "text/Cp932.h"
#include "text/FixedField.h"

using namespace quillora;

namespace {

void CheckList(const document::ListBlock& list, const listimport::ApplyResult& result) {
    if (result.entriesSet < 0 || result.entriesSet > document::kListEntries) __builtin_trap();
    for (int slot = 0; slot < document::kListEntries; ++slot) {
        const std::string_view stored = text::FieldView(list.entryText[slot]);
        if ((slot < result.entriesSet) == stored.empty()) __builtin_trap();
        if (stored.size() > document::kEntryTextBytes || stored.find_first_of("\r\n") != std::string_view::npos) __builtin_trap();
        if (!text::Cp932ToUtf8Strict(stored)) __builtin_trap();
        if (std::memcmp(list.entryText[slot], list.entryEditText[slot], sizeof list.entryText[slot]) != 0)
            __builtin_trap();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    auto list = std::make_unique<document::ListBlock>();
    for (const listimport::ListFormat& format : listimport::ListFormats())
        CheckList(*list, listimport::ApplyEntries(*list, format.read(bytes)));
    return 0;
}
