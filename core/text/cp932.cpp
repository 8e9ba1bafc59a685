#include "text/cp932.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <memory>
#include <type_traits>

namespace nubera {
namespace {

struct IconvCloser {
    void operator()(iconv_t cd) const { iconv_close(cd); }
};
using IconvHandle = std::unique_ptr<std::remove_pointer_t<iconv_t>, IconvCloser>;

// Converts the whole input in one go; both directions are stateless, so an
// error can only mean an invalid or incomplete character.
std::optional<std::string> Convert(const char* to, const char* from, std::string_view input) {
    iconv_t raw = iconv_open(to, from);
    if (raw == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    IconvHandle cd(raw);

    std::string output(input.size() * 2 + 16, '\0');
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    std::size_t written = 0;
    while (inLeft > 0) {
        char* out = output.data() + written;
        std::size_t outLeft = output.size() - written;
        const std::size_t result = iconv(cd.get(), &in, &inLeft, &out, &outLeft);
        written = output.size() - outLeft;
        if (result != static_cast<std::size_t>(-1)) break;
        if (errno != E2BIG) return std::nullopt;
        output.resize(output.size() * 2);
    }
    output.resize(written);
    return output;
}

// The length of the UTF-8 character a lead byte starts; 1 for a byte that
// starts none, which is then replaced on its own.
std::size_t Utf8CharLength(unsigned char lead) {
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    if (lead >= 0xE0) return lead <= 0xEF ? 3 : 1;
    if (lead >= 0xC2) return 2;
    return 1;
}

}  // namespace

std::optional<std::string> Cp932ToUtf8(std::string_view bytes) {
    return Convert("UTF-8", "CP932", bytes);
}

std::optional<std::string> Utf8ToCp932(std::string_view text) {
    auto encoded = Convert("CP932", "UTF-8", text);
    if (!encoded) return std::nullopt;
    const auto decoded = Cp932ToUtf8(*encoded);
    if (!decoded || *decoded != text) return std::nullopt;
    return encoded;
}

std::string Cp932Writable(std::string_view text) {
    std::string writable;
    while (!text.empty()) {
        const std::size_t length =
            std::min(Utf8CharLength(static_cast<unsigned char>(text.front())), text.size());
        const std::string_view character = text.substr(0, length);
        writable += Utf8ToCp932(character) ? std::string(character) : std::string("?");
        text.remove_prefix(length);
    }
    return writable;
}

}  // namespace nubera
