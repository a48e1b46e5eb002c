#pragma once

#include "net/TableMessages.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace vesrin {

// Collects what a connection delivers and hands it out message by message. TCP joins
// writes into one read and splits one write over several: the buffer keeps a message that
// has only begun until the rest arrives and splits joined ones at their lengths. Bytes
// that cannot begin any message are dropped together with whatever was held at that
// moment (a peer that sends garbage loses that read, the game is not touched).
class ReceiveBuffer {
public:
    using Measure = std::function<MessageSize(std::string_view)>;

    explicit ReceiveBuffer(Measure measure) : measure_(std::move(measure)) {}

    void Append(std::string_view bytes) { held_.append(bytes); }
    // The next whole message, or nullopt while the head waits for more bytes.
    std::optional<std::string> Next();
    void Clear() { held_.clear(); }

    std::size_t Held() const { return held_.size(); }
    std::size_t DroppedBytes() const { return dropped_; }

private:
    Measure measure_;
    std::string held_;
    std::size_t dropped_ = 0;
};

// A buffer for the table link.
inline ReceiveBuffer TableReceiveBuffer() { return ReceiveBuffer(&MeasureTableMessage); }

} // namespace vesrin
