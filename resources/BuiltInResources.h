#pragma once

#include <QString>

namespace vesrin {

// The program's own pictures, sounds and tune are compiled in; this makes them visible
// to Qt's resource system. Calling it more than once is harmless.
void RegisterBuiltInResources();

// The resource path of a built-in resource: names are matched without regard to case, so
// they are stored and looked up lower-cased (":/vesrin/ch02b").
QString BuiltInResourcePath(const QString& name);

} // namespace vesrin
