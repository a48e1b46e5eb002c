// The string cipher of the stored addresses and the account password: deciphering any
// text either fails cleanly or gives bytes that encipher and decipher back to the same
// bytes; any bytes encipher to a text that deciphers to them. The first two input bytes
// are the start key.

#include "FuzzCheck.h"
#include "base/TextCipher.h"

#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const auto key = static_cast<std::uint16_t>(data[0] << 8 | data[1]);
    const std::string_view text(reinterpret_cast<const char*>(data + 2), size - 2);

    if (const auto plain = vesrin::DecipherText(text, key)) {
        const auto again = vesrin::DecipherText(vesrin::EncipherText(*plain, key), key);
        VESRIN_FUZZ_CHECK(again.has_value() && *again == *plain);
    }
    const auto back = vesrin::DecipherText(vesrin::EncipherText(text, key), key);
    VESRIN_FUZZ_CHECK(back.has_value() && *back == text);
    return 0;
}
