#include "RateLimiter.h"

#include <algorithm>

namespace vesrin::service {

RateLimiter::RateLimiter(double perSecond, double burst) : perSecond_(perSecond), burst_(std::max(1.0, burst)) {
    clock_.start();
}

bool RateLimiter::Allow(const QString& address) {
    if (perSecond_ <= 0) return true;
    const qint64 now = clock_.elapsed();
    if (buckets_.size() > 100000) {
        // Forget full buckets so that many addresses cannot grow the table without end.
        for (auto it = buckets_.begin(); it != buckets_.end();)
            it = now - it->LastMs > static_cast<qint64>(1000 * burst_ / perSecond_) ? buckets_.erase(it) : ++it;
    }
    auto it = buckets_.find(address);
    if (it == buckets_.end()) it = buckets_.insert(address, Bucket{burst_, now});
    Bucket& bucket = *it;
    bucket.Tokens = std::min(burst_, bucket.Tokens + (now - bucket.LastMs) * perSecond_ / 1000.0);
    bucket.LastMs = now;
    if (bucket.Tokens < 1) return false;
    bucket.Tokens -= 1;
    return true;
}

} // namespace vesrin::service
