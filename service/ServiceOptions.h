#pragma once

#include <QString>
#include <QStringList>

namespace vesrin::service {

struct ServiceOptions {
    QString Listen = "127.0.0.1";
    int Port = 8042;
    QString Db;      // empty: sqlite in the data folder
    QString DataDir; // empty: the per-user data folder
    QString PublicUrl; // base address written into the configuration texts; empty: from the request
    double RatePerSecond = 20;
    double RateBurst = 60;
    QString TourHost = "127.0.0.1";
    int TourBasePort = 26000;
    // Behind a reverse proxy on this machine: the client is the last address the proxy
    // puts in "X-Forwarded-For" (for the rate limit and "/get_ip.php").
    bool TrustForwardedFor = false;
    // Processes that share the listening port (each with its own database connection).
    int Workers = 1;
};

// Reads the options of the "serve" form; false with a message on a bad option.
bool ParseServiceOptions(const QStringList& args, ServiceOptions& options, QString* error);
// Fills in the defaults that depend on the machine.
void ResolveDefaults(ServiceOptions& options);
QString ServiceUsage();

} // namespace vesrin::service
