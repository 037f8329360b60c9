#include "resources/Resources.h"

#include <QtGlobal>

static void RegisterQuilloraResources() { Q_INIT_RESOURCE(quillora); }

namespace quillora::resources {

void EnsureResources() {
    static const bool registered = (RegisterQuilloraResources(), true);
    (void)registered;
}

}  // namespace quillora::resources
