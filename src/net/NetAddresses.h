#pragma once

#include <QString>
#include <QStringList>

namespace vesrin {

// The IPv4 addresses of the machine's network interfaces in the order the system lists
// them, loopback left out, at most six.
QStringList ListLocalAddresses();

// The caller's public address as the game web service sees it: a GET of "/get_ip.php"
// under `serviceAddress`, the answer read as UTF-8. Empty on any failure, and while no
// service address is configured.
QString AskExternalAddress(const QString& serviceAddress);

} // namespace vesrin
