#pragma once
// The program's compiled-in resources (icons, pictures, help pages, desktop files), under ":/quillora/".
namespace quillora::resources {

// Registers the resources with Qt; safe to call any number of times. Calling it also keeps the
// linker from dropping them from a static link.
void EnsureResources();

}  // namespace quillora::resources
