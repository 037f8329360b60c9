// jpeg.pip's exports on arbitrary bytes.
#include "PluginFuzzDriver.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return FuzzPicturePlugin(data, size);
}
