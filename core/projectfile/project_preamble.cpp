#include "projectfile/project_preamble.h"

namespace nubera {

std::string EscapePreambleValue(std::string_view value) {
    std::string escaped;
    escaped.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (c == '\\') {
            escaped += "\\\\";
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < value.size() && value[i + 1] == '\n') ++i;
            escaped += "\\n";
        } else {
            escaped += c;
        }
    }
    return escaped;
}

std::string UnescapePreambleValue(std::string_view escaped) {
    std::string value;
    value.reserve(escaped.size());
    for (std::size_t i = 0; i < escaped.size(); ++i) {
        const char c = escaped[i];
        const char next = i + 1 < escaped.size() ? escaped[i + 1] : '\0';
        if (c == '\\' && next == '\\') {
            value += '\\';
            ++i;
        } else if (c == '\\' && next == 'n') {
            value += '\n';
            ++i;
        } else {
            value += c;
        }
    }
    return value;
}

std::string PreambleLine(const PreambleEntry& entry) {
    return entry.key + kPreambleKeySeparator + EscapePreambleValue(entry.value);
}

std::optional<PreambleEntry> ParsePreambleLine(std::string_view line) {
    const std::size_t separator = line.find(kPreambleKeySeparator);
    if (separator == std::string_view::npos || separator == 0) return std::nullopt;
    return PreambleEntry{std::string(line.substr(0, separator)),
                         UnescapePreambleValue(line.substr(separator + 1))};
}

std::string PreambleValue(const ProjectPreamble& preamble, std::string_view key) {
    for (auto entry = preamble.rbegin(); entry != preamble.rend(); ++entry) {
        if (entry->key == key) return entry->value;
    }
    return {};
}

}  // namespace nubera
