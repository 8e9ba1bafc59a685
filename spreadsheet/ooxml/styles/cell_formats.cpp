#include "spreadsheet/ooxml/styles/cell_formats.h"

#include <array>
#include <string_view>
#include <utility>

namespace nubera::sheet {
namespace {

constexpr auto kBorderLines = std::to_array<std::pair<std::string_view, BorderLine>>({
    {"hair", BorderLine::Hair},
    {"thin", BorderLine::Thin},
    {"medium", BorderLine::Medium},
    {"thick", BorderLine::Thick},
    {"double", BorderLine::Double},
    {"dotted", BorderLine::Dotted},
    {"dashed", BorderLine::Dashed},
    {"dashDot", BorderLine::DashDot},
    {"dashDotDot", BorderLine::DashDotDot},
    {"mediumDashed", BorderLine::MediumDashed},
    {"mediumDashDot", BorderLine::MediumDashDot},
    {"mediumDashDotDot", BorderLine::MediumDashDotDot},
    {"slantDashDot", BorderLine::SlantDashDot},
});

constexpr auto kHorizontal = std::to_array<std::pair<std::string_view, HorizontalAlignment>>({
    {"left", HorizontalAlignment::Left},
    {"center", HorizontalAlignment::Center},
    {"right", HorizontalAlignment::Right},
    {"fill", HorizontalAlignment::Fill},
    {"justify", HorizontalAlignment::Justify},
    {"centerContinuous", HorizontalAlignment::CenterContinuous},
    {"distributed", HorizontalAlignment::Distributed},
});

constexpr auto kVertical = std::to_array<std::pair<std::string_view, VerticalAlignment>>({
    {"top", VerticalAlignment::Top},
    {"center", VerticalAlignment::Center},
    {"bottom", VerticalAlignment::Bottom},
    {"justify", VerticalAlignment::Justify},
    {"distributed", VerticalAlignment::Distributed},
});

// How much of the foreground colour each pattern shows over its background.
constexpr auto kPatternDensity = std::to_array<std::pair<std::string_view, double>>({
    {"solid", 1},
    {"darkGray", 0.75},
    {"mediumGray", 0.5},
    {"lightGray", 0.25},
    {"gray125", 0.125},
    {"gray0625", 0.0625},
});
constexpr double kHatchDensity = 0.5;  // the striped and crossed patterns

template <typename Value, std::size_t N>
Value Lookup(const std::array<std::pair<std::string_view, Value>, N>& table, std::string_view name,
             Value fallback) {
    for (const auto& [known, value] : table) {
        if (known == name) return value;
    }
    return fallback;
}

// The element with index `index` among the children of `list`.
pugi::xml_node Nth(const pugi::xml_node& list, const char* name, int index) {
    for (pugi::xml_node child : list.children(name)) {
        if (index-- == 0) return child;
    }
    return {};
}

FontFormat ReadFont(const pugi::xml_node& font, const ThemeColors& theme) {
    FontFormat format;
    if (!font) return format;
    format.name = font.child("name").attribute("val").as_string(format.name.c_str());
    format.size = font.child("sz").attribute("val").as_double(format.size);
    // <b/> means bold; <b val="0"/> does not.
    auto flag = [&](const char* name) {
        const pugi::xml_node node = font.child(name);
        return node && node.attribute("val").as_bool(true);
    };
    format.bold = flag("b");
    format.italic = flag("i");
    format.strike = flag("strike");
    const pugi::xml_node underline = font.child("u");
    format.underline = underline && std::string_view(underline.attribute("val").value()) != "none";
    format.color = StyleColor(font.child("color"), theme, 0x000000);
    return format;
}

Rgb Mix(Rgb foreground, Rgb background, double density) {
    auto channel = [&](int shift) {
        const double f = (foreground >> shift) & 0xFF, b = (background >> shift) & 0xFF;
        return static_cast<Rgb>(f * density + b * (1 - density) + 0.5) << shift;
    };
    return channel(16) | channel(8) | channel(0);
}

std::optional<Rgb> ReadFill(const pugi::xml_node& fill, const ThemeColors& theme) {
    const pugi::xml_node pattern = fill.child("patternFill");
    const std::string_view type = pattern.attribute("patternType").value();
    if (!pattern || type.empty() || type == "none") return std::nullopt;
    const Rgb foreground = StyleColor(pattern.child("fgColor"), theme, 0x000000);
    if (type == "solid") return foreground;
    const Rgb background = StyleColor(pattern.child("bgColor"), theme, 0xFFFFFF);
    return Mix(foreground, background, Lookup(kPatternDensity, type, kHatchDensity));
}

BorderSide ReadSide(const pugi::xml_node& side, const ThemeColors& theme) {
    return {Lookup(kBorderLines, side.attribute("style").value(), BorderLine::None),
            StyleColor(side.child("color"), theme, 0x000000)};
}

void ReadAlignment(const pugi::xml_node& alignment, CellFormat& format) {
    format.horizontal = Lookup(kHorizontal, alignment.attribute("horizontal").value(),
                               HorizontalAlignment::General);
    format.vertical =
        Lookup(kVertical, alignment.attribute("vertical").value(), VerticalAlignment::Bottom);
    format.wrapText = alignment.attribute("wrapText").as_bool();
    format.shrinkToFit = alignment.attribute("shrinkToFit").as_bool();
    format.indent = alignment.attribute("indent").as_int();
}

}  // namespace

CellFormats::CellFormats(const Styles& styles, const ThemeColors& theme) {
    const pugi::xml_node root = styles.Document().child("styleSheet");
    const pugi::xml_node fonts = root.child("fonts");
    const pugi::xml_node fills = root.child("fills");
    const pugi::xml_node borders = root.child("borders");
    defaultFont_ = ReadFont(fonts.child("font"), theme);
    int index = 0;
    for (pugi::xml_node xf : root.child("cellXfs").children("xf")) {
        CellFormat format;
        format.font = ReadFont(Nth(fonts, "font", xf.attribute("fontId").as_int()), theme);
        format.fill = ReadFill(Nth(fills, "fill", xf.attribute("fillId").as_int()), theme);
        const pugi::xml_node border = Nth(borders, "border", xf.attribute("borderId").as_int());
        format.left = ReadSide(border.child("left"), theme);
        format.right = ReadSide(border.child("right"), theme);
        format.top = ReadSide(border.child("top"), theme);
        format.bottom = ReadSide(border.child("bottom"), theme);
        ReadAlignment(xf.child("alignment"), format);
        format.numberFormat = styles.NumberFormat(index++);
        formats_.push_back(std::move(format));
    }
    if (formats_.empty()) {
        CellFormat plain;
        plain.font = defaultFont_;
        formats_.push_back(plain);
    }
}

const CellFormat& CellFormats::Of(int style) const {
    if (style < 0 || style >= static_cast<int>(formats_.size())) return formats_.front();
    return formats_[static_cast<std::size_t>(style)];
}

}  // namespace nubera::sheet
