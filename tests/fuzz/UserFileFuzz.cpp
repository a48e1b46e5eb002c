// The account's user file as the program reads it at start.
#include "base/TextCipher.h"
#include "online/AccountRecords.h"
#include "online/UserFile.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace vesrin;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto content = ParseUserFile(bytes);
    if (content) {
        // What was read writes back and reads again as the same account.
        const auto written = FormatUserFile(*content);
        if (!written || ParseUserFile(*written) != content) std::abort();
        if (const auto password = DecipherText(content->PwC, kUserPasswordKey))
            (void)StartSignInPassword(*password);
    }
    QorUser user;
    (void)ReadAccountReply(bytes, user);
    (void)ReadGameReply(bytes);
    return 0;
}
