#include "resources/BuiltInResources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE names a function in the global namespace, so it is called from here.
static void InitVesrinResources() { Q_INIT_RESOURCE(vesrin_resources); }

namespace vesrin {

void RegisterBuiltInResources() {
    // Registering the same compiled-in data twice only raises Qt's reference count; a
    // flag keeps it to once.
    static const bool registered = [] {
        InitVesrinResources();
        return true;
    }();
    (void)registered;
}

QString BuiltInResourcePath(const QString& name) { return QStringLiteral(":/vesrin/") + name.toLower(); }

} // namespace vesrin
