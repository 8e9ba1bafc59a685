#include "text/message_lines.h"

#include <vector>

namespace nubera {
namespace {

constexpr std::string_view kComma = "、";
constexpr std::string_view kFullStop = "。";

// The byte offsets just after each 、 and 。 of `line`, the end excluded.
std::vector<std::size_t> BreakPlaces(std::string_view line) {
    std::vector<std::size_t> places;
    for (std::size_t at = 0; at < line.size();) {
        const std::string_view rest = line.substr(at);
        if (rest.starts_with(kComma) || rest.starts_with(kFullStop)) {
            at += kComma.size();  // both are three bytes in UTF-8
            if (at < line.size()) places.push_back(at);
        } else {
            ++at;
        }
    }
    return places;
}

void BreakLine(std::string_view line, double maxWidth, const TextWidth& width, std::string& out) {
    while (width(line) > maxWidth) {
        const std::vector<std::size_t> places = BreakPlaces(line);
        if (places.empty()) break;
        std::size_t cut = places.front();
        for (const std::size_t place : places) {
            if (width(line.substr(0, place)) <= maxWidth) cut = place;
        }
        out.append(line.substr(0, cut));
        out += '\n';
        line.remove_prefix(cut);
    }
    out.append(line);
}

}  // namespace

std::string BreakLongLines(std::string_view text, double maxWidth, const TextWidth& width) {
    std::string out;
    while (true) {
        const std::size_t end = text.find('\n');
        BreakLine(text.substr(0, end), maxWidth, width, out);
        if (end == std::string_view::npos) break;
        out += '\n';
        text.remove_prefix(end + 1);
    }
    return out;
}

}  // namespace nubera
