#include "net/NetAddresses.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkInterface>
#include <QNetworkReply>
#include <QTimer>
#include <QUrl>

namespace vesrin {

QStringList ListLocalAddresses() {
    QStringList addresses;
    for (const QNetworkInterface& interface : QNetworkInterface::allInterfaces()) {
        if (interface.flags().testFlag(QNetworkInterface::IsLoopBack)) continue;
        for (const QNetworkAddressEntry& entry : interface.addressEntries()) {
            const QHostAddress ip = entry.ip();
            if (ip.protocol() != QAbstractSocket::IPv4Protocol || ip.isLoopback()) continue;
            addresses << ip.toString();
            if (addresses.size() == 6) return addresses;
        }
    }
    return addresses;
}

QString AskExternalAddress(const QString& serviceAddress) {
    if (serviceAddress.isEmpty()) return {};
    const QUrl url(serviceAddress + QStringLiteral("/get_ip.php"));
    if (!url.isValid()) return {};
    QNetworkAccessManager manager;
    QNetworkReply* reply = manager.get(QNetworkRequest(url));
    // The call blocks its caller as a button click of the dialog; the window repaints.
    QEventLoop loop;
    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    timeout.start(10000);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    QString answer;
    if (reply->isFinished() && reply->error() == QNetworkReply::NoError)
        answer = QString::fromUtf8(reply->readAll().left(64)).trimmed();
    reply->abort();
    reply->deleteLater();
    return answer;
}

} // namespace vesrin
