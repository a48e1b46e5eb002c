#include "net/ReceiveBuffer.h"

namespace vesrin {

std::optional<std::string> ReceiveBuffer::Next() {
    const MessageSize size = measure_(held_);
    if (size.Status == DecodeStatus::Incomplete) return std::nullopt;
    if (size.Status == DecodeStatus::Invalid || size.Length == 0 || size.Length > held_.size()) {
        dropped_ += held_.size();
        held_.clear();
        return std::nullopt;
    }
    std::string message = held_.substr(0, size.Length);
    held_.erase(0, size.Length);
    return message;
}

} // namespace vesrin
