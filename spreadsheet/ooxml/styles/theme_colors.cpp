#include "spreadsheet/ooxml/styles/theme_colors.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "spreadsheet/ooxml/styles/indexed_colors.h"

namespace nubera::sheet {
namespace {

// The slots of a colour scheme in the order the theme part lists them.
constexpr std::array<std::string_view, 12> kSchemeSlots = {
    "dk1",     "lt1",     "dk2",     "lt2",     "accent1", "accent2",
    "accent3", "accent4", "accent5", "accent6", "hlink",   "folHlink"};

constexpr int kSystemForeground = 64;  // the palette's two system colours
constexpr int kSystemBackground = 65;

struct Hls {
    double hue, lightness, saturation;  // 0–1 each
};

double Channel(Rgb color, int shift) {
    return ((color >> shift) & 0xFF) / 255.0;
}

Rgb FromChannels(double red, double green, double blue) {
    auto byte = [](double value) {
        return static_cast<Rgb>(std::lround(std::clamp(value, 0.0, 1.0) * 255));
    };
    return byte(red) << 16 | byte(green) << 8 | byte(blue);
}

Hls ToHls(Rgb color) {
    const double r = Channel(color, 16), g = Channel(color, 8), b = Channel(color, 0);
    const double high = std::max({r, g, b}), low = std::min({r, g, b});
    Hls hls{0, (high + low) / 2, 0};
    const double range = high - low;
    if (range == 0) return hls;
    hls.saturation = range / (hls.lightness <= 0.5 ? high + low : 2 - high - low);
    double hue = high == r   ? (g - b) / range
                 : high == g ? 2 + (b - r) / range
                             : 4 + (r - g) / range;
    hls.hue = std::fmod(hue / 6 + 1, 1);
    return hls;
}

double HueChannel(double low, double high, double hue) {
    hue = std::fmod(hue + 1, 1);
    if (hue < 1.0 / 6) return low + (high - low) * hue * 6;
    if (hue < 0.5) return high;
    if (hue < 2.0 / 3) return low + (high - low) * (2.0 / 3 - hue) * 6;
    return low;
}

Rgb FromHls(const Hls& hls) {
    if (hls.saturation == 0) return FromChannels(hls.lightness, hls.lightness, hls.lightness);
    const double high = hls.lightness <= 0.5
                            ? hls.lightness * (1 + hls.saturation)
                            : hls.lightness + hls.saturation - hls.lightness * hls.saturation;
    const double low = 2 * hls.lightness - high;
    return FromChannels(HueChannel(low, high, hls.hue + 1.0 / 3), HueChannel(low, high, hls.hue),
                        HueChannel(low, high, hls.hue - 1.0 / 3));
}

std::optional<Rgb> Hex(std::string_view text) {
    if (text.size() == 8) text.remove_prefix(2);  // AARRGGBB: the alpha is not printed
    if (text.size() != 6) return std::nullopt;
    try {
        return static_cast<Rgb>(std::stoul(std::string(text), nullptr, 16));
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

std::optional<Rgb> PresetColor(std::string_view name) {
    if (name == "black") return 0x000000;
    if (name == "white") return 0xFFFFFF;
    if (name == "red") return 0xFF0000;
    if (name == "blue") return 0x0000FF;
    if (name == "green") return 0x008000;
    if (name == "yellow") return 0xFFFF00;
    return std::nullopt;
}

// The modifiers of a drawing colour, applied in their order.
Rgb Modified(Rgb color, const pugi::xml_node& choice) {
    Hls hls = ToHls(color);
    bool luminance = false;
    for (pugi::xml_node modifier : choice.children()) {
        const std::string_view name = modifier.name();
        const double value = modifier.attribute("val").as_double() / 100000;
        if (name == "a:lumMod" || name == "a:lumOff") {
            hls.lightness = name == "a:lumMod" ? hls.lightness * value : hls.lightness + value;
            luminance = true;
        } else if (name == "a:shade" || name == "a:tint") {
            // A shade darkens towards black, a tint lightens towards white.
            if (luminance) color = FromHls(hls);
            luminance = false;
            const bool shade = name == "a:shade";
            auto mix = [&](int shift) {
                const double channel = Channel(color, shift);
                return shade ? channel * value : 1 - (1 - channel) * value;
            };
            color = FromChannels(mix(16), mix(8), mix(0));
            hls = ToHls(color);
        }
    }
    return luminance ? FromHls(hls) : color;
}

std::optional<Rgb> SchemeEntry(const pugi::xml_node& entry) {
    if (auto rgb = Hex(entry.child("a:srgbClr").attribute("val").value())) return rgb;
    return Hex(entry.child("a:sysClr").attribute("lastClr").value());
}

}  // namespace

ThemeColors::ThemeColors()
    : slots_{0x000000, 0xFFFFFF, 0x44546A, 0xE7E6E6, 0x4472C4, 0xED7D31,
             0xA5A5A5, 0xFFC000, 0x5B9BD5, 0x70AD47, 0x0563C1, 0x954F72} {}

void ThemeColors::Load(const pugi::xml_node& theme) {
    const pugi::xml_node scheme = theme.child("a:themeElements").child("a:clrScheme");
    for (std::size_t i = 0; i < kSchemeSlots.size(); ++i) {
        const std::string name = "a:" + std::string(kSchemeSlots[i]);
        if (auto rgb = SchemeEntry(scheme.child(name.c_str()))) slots_[i] = *rgb;
    }
}

Rgb ThemeColors::Slot(int index) const {
    // The styles count light before dark; the scheme lists dark first.
    if (index >= 0 && index < 4) index ^= 1;
    if (index < 0 || index >= static_cast<int>(slots_.size())) return slots_[0];
    return slots_[static_cast<std::size_t>(index)];
}

std::optional<Rgb> ThemeColors::Named(std::string_view name) const {
    if (name == "tx1") name = "dk1";
    if (name == "bg1") name = "lt1";
    if (name == "tx2") name = "dk2";
    if (name == "bg2") name = "lt2";
    for (std::size_t i = 0; i < kSchemeSlots.size(); ++i) {
        if (kSchemeSlots[i] == name) return slots_[i];
    }
    return std::nullopt;
}

Rgb Tinted(Rgb color, double tint) {
    if (tint == 0) return color;
    Hls hls = ToHls(color);
    hls.lightness = tint < 0 ? hls.lightness * (1 + tint) : hls.lightness * (1 - tint) + tint;
    return FromHls(hls);
}

Rgb StyleColor(const pugi::xml_node& color, const ThemeColors& theme, Rgb fallback) {
    if (!color || color.attribute("auto").as_bool()) return fallback;
    if (auto rgb = Hex(color.attribute("rgb").value())) return *rgb;
    if (pugi::xml_attribute slot = color.attribute("theme")) {
        return Tinted(theme.Slot(slot.as_int()), color.attribute("tint").as_double());
    }
    if (pugi::xml_attribute indexed = color.attribute("indexed")) {
        const int index = indexed.as_int();
        if (index == kSystemForeground) return 0x000000;
        if (index == kSystemBackground) return 0xFFFFFF;
        return IndexedColor(index).value_or(fallback);
    }
    return fallback;
}

std::optional<Rgb> DrawingColor(const pugi::xml_node& parent, const ThemeColors& theme) {
    for (pugi::xml_node choice : parent.children()) {
        const std::string_view name = choice.name();
        std::optional<Rgb> base;
        if (name == "a:srgbClr") base = Hex(choice.attribute("val").value());
        if (name == "a:sysClr") base = Hex(choice.attribute("lastClr").value());
        if (name == "a:schemeClr") base = theme.Named(choice.attribute("val").value());
        if (name == "a:prstClr") base = PresetColor(choice.attribute("val").value());
        if (base) return Modified(*base, choice);
    }
    return std::nullopt;
}

}  // namespace nubera::sheet
