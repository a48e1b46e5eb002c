#include "codec/ServiceReplyWriter.h"

namespace vesrin::service {
namespace {

std::string Join(const std::vector<std::string>& fields, char separator) {
    std::string text;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) text += separator;
        text += fields[i];
    }
    return text;
}

} // namespace

std::string RecordReply(const std::vector<std::string>& fields, char separator) {
    return "ok$" + Join(fields, separator) + "$";
}

std::string RecordsReply(const std::vector<std::vector<std::string>>& records) {
    std::string reply = "ok";
    for (const auto& record : records) reply += "$" + Join(record, ' ') + "*";
    return reply;
}

std::string NumberReply(long long number) { return "ok$" + std::to_string(number); }

std::string StatAckReply(bool accepted) { return accepted ? "ok$Yok#" : "no$N--#"; }

std::string RecordWord(std::string_view value) {
    std::string word(value);
    for (char& c : word)
        if (c == ' ' || c == '$' || c == '*' || c == '~' || c == '\t') c = '_';
    return word;
}

std::string InfoWord(std::string_view value) {
    std::string word(value);
    for (char& c : word)
        if (c == '$' || c == '~') c = ' ';
    return word;
}

} // namespace vesrin::service
