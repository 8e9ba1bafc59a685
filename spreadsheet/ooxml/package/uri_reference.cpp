#include "spreadsheet/ooxml/package/uri_reference.h"

#include <algorithm>

namespace nubera::sheet {
namespace {

bool IsAlpha(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsHexDigit(char c) {
    return IsDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

// Unreserved and sub-delimiter characters, which any component may hold.
bool IsPlain(char c) {
    return IsAlpha(c) || IsDigit(c) ||
           std::string_view("-._~!$&'()*+,;=").find(c) != std::string_view::npos;
}

// The characters of `text` are plain ones, those in `extra`, or escapes.
bool HoldsOnly(std::string_view text, std::string_view extra) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '%') {
            if (i + 2 >= text.size()) return false;
            if (!IsHexDigit(text[i + 1]) || !IsHexDigit(text[i + 2])) return false;
            i += 2;
        } else if (!IsPlain(c) && extra.find(c) == std::string_view::npos) {
            return false;
        }
    }
    return true;
}

bool IsScheme(std::string_view text) {
    return !text.empty() && IsAlpha(text.front()) &&
           std::all_of(text.begin(), text.end(), [](char c) {
               return IsAlpha(c) || IsDigit(c) || c == '+' || c == '-' || c == '.';
           });
}

// "user@host:port", the host a name or "[address]".
bool IsAuthority(std::string_view text) {
    const std::size_t at = text.rfind('@');
    if (at != std::string_view::npos) {
        if (!HoldsOnly(text.substr(0, at), ":")) return false;
        text.remove_prefix(at + 1);
    }
    std::string_view host = text;
    std::string_view port;
    if (text.starts_with('[')) {
        const std::size_t close = text.find(']');
        if (close == std::string_view::npos) return false;
        host = text.substr(1, close - 1);
        const std::string_view rest = text.substr(close + 1);
        if (!rest.empty() && !rest.starts_with(':')) return false;
        port = rest.empty() ? rest : rest.substr(1);
        if (!HoldsOnly(host, ":")) return false;
    } else {
        const std::size_t colon = text.rfind(':');
        if (colon != std::string_view::npos) {
            host = text.substr(0, colon);
            port = text.substr(colon + 1);
        }
        if (!HoldsOnly(host, "")) return false;
    }
    return std::all_of(port.begin(), port.end(), IsDigit);
}

}  // namespace

bool IsUriReference(std::string_view text) {
    const std::size_t hash = text.find('#');
    if (hash != std::string_view::npos) {
        if (!HoldsOnly(text.substr(hash + 1), ":@/?")) return false;
        text = text.substr(0, hash);
    }
    const std::size_t query = text.find('?');
    if (query != std::string_view::npos) {
        if (!HoldsOnly(text.substr(query + 1), ":@/?")) return false;
        text = text.substr(0, query);
    }
    const std::size_t colon = text.find(':');
    const std::size_t slash = text.find('/');
    if (colon != std::string_view::npos && colon < slash) {
        if (!IsScheme(text.substr(0, colon))) return false;
        text.remove_prefix(colon + 1);
    }
    if (text.starts_with("//")) {
        text.remove_prefix(2);
        const std::size_t end = std::min(text.find('/'), text.size());
        if (!IsAuthority(text.substr(0, end))) return false;
        text.remove_prefix(end);
    }
    return HoldsOnly(text, ":@/");
}

}  // namespace nubera::sheet
