#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QString>

namespace vesrin::service {

// Requests per client address: a bucket of `burst` requests refilled at `perSecond`.
// A rate of 0 switches the limit off (load runs on one machine).
class RateLimiter {
public:
    RateLimiter(double perSecond, double burst);
    bool Allow(const QString& address);

private:
    struct Bucket {
        double Tokens = 0;
        qint64 LastMs = 0;
    };
    double perSecond_;
    double burst_;
    QElapsedTimer clock_;
    QHash<QString, Bucket> buckets_;
};

} // namespace vesrin::service
