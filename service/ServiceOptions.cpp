#include "ServiceOptions.h"

#include <QDir>
#include <QStandardPaths>

namespace vesrin::service {

QString ServiceUsage() {
    return "usage: vesrin-service [--listen ADDRESS] [--port 8042] [--db sqlite:PATH | postgresql://USER@HOST:PORT/DB]\n"
           "                      [--data DIR] [--public-url URL] [--rate-limit PER_SECOND] [--rate-burst N]\n"
           "                      [--tour-host ADDRESS] [--tour-port BASE] [--trust-forwarded-for]\n"
           "                      [--workers N]\n"
           "       vesrin-service admin [--db ...] [--data DIR] COMMAND ...   (vesrin-service admin help)\n";
}

bool ParseServiceOptions(const QStringList& args, ServiceOptions& o, QString* error) {
    for (int i = 0; i < args.size(); ++i) {
        const QString& name = args[i];
        if (name == "--trust-forwarded-for") {
            o.TrustForwardedFor = true;
            continue;
        }
        if (i + 1 >= args.size()) {
            *error = "missing value or unknown option: " + name;
            return false;
        }
        const QString value = args[++i];
        bool ok = true;
        if (name == "--listen") o.Listen = value;
        else if (name == "--port") {
            o.Port = value.toInt(&ok);
            ok = ok && o.Port >= 0 && o.Port <= 65535;
        } else if (name == "--db") o.Db = value;
        else if (name == "--data") o.DataDir = value;
        else if (name == "--public-url") o.PublicUrl = value;
        else if (name == "--rate-limit") o.RatePerSecond = value.toDouble(&ok);
        else if (name == "--rate-burst") o.RateBurst = value.toDouble(&ok);
        else if (name == "--tour-host") o.TourHost = value;
        else if (name == "--workers") {
            o.Workers = value.toInt(&ok);
            ok = ok && o.Workers >= 1 && o.Workers <= 64;
        }
        else if (name == "--tour-port") {
            o.TourBasePort = value.toInt(&ok);
            ok = ok && o.TourBasePort > 0 && o.TourBasePort < 65525;
        } else {
            *error = "unknown option: " + name;
            return false;
        }
        if (!ok) {
            *error = "bad value for " + name + ": " + value;
            return false;
        }
    }
    while (o.PublicUrl.endsWith('/')) o.PublicUrl.chop(1);
    return true;
}

void ResolveDefaults(ServiceOptions& o) {
    if (o.DataDir.isEmpty())
        o.DataDir = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/Qor/vesrin-service";
    QDir().mkpath(o.DataDir);
    if (o.Db.isEmpty()) o.Db = "sqlite:" + QDir(o.DataDir).filePath("vesrin-service.sqlite");
}

} // namespace vesrin::service
