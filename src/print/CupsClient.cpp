#include "print/CupsClient.h"

#include <dlfcn.h>
#include <optional>

namespace quillora::print {
namespace {

template <typename Function>
bool Find(void* library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(::dlsym(library, name));
    return function != nullptr;
}

}  // namespace

const CupsClient* Cups() {
    static const auto client = []() -> std::optional<CupsClient> {
        void* library = ::dlopen("libcups.so.2", RTLD_NOW | RTLD_LOCAL);
        CupsClient c;
        if (!library || !Find(library, "httpAssembleURI", c.assembleUri) ||
            !Find(library, "ippNewRequest", c.newRequest) || !Find(library, "ippAddString", c.addString) ||
            !Find(library, "ippAddStrings", c.addStrings) || !Find(library, "cupsDoRequest", c.doRequest) ||
            !Find(library, "ippFindAttribute", c.findAttribute) || !Find(library, "ippGetBoolean", c.getBoolean) ||
            !Find(library, "ippGetString", c.getString) || !Find(library, "ippDelete", c.deleteMessage) ||
            !Find(library, "cupsGetPPD", c.getPpd) || !Find(library, "cupsAddOption", c.addOption) ||
            !Find(library, "cupsFreeOptions", c.freeOptions) || !Find(library, "cupsPrintFile", c.printFile) ||
            !Find(library, "cupsLastErrorString", c.lastErrorString))
            return std::nullopt;
        return c;
    }();
    return client ? &*client : nullptr;
}

}  // namespace quillora::print
