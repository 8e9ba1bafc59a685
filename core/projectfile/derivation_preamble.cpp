#include "projectfile/derivation_preamble.h"

#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "text/number_text.h"

namespace nubera {
namespace {

constexpr std::string_view kFileKey = "ボーリングファイル";
constexpr std::string_view kNameKey = "ボーリング名";
constexpr std::string_view kAlphaKey = "ボーリングα";
constexpr std::string_view kLayerKey = "ボーリング層";
constexpr char kField = ',';
constexpr char kTest = ' ';
constexpr char kTestValue = ':';
constexpr std::string_view kNoMean = "-";

std::string LayerValue(const DerivedLayer& layer) {
    std::string tests;
    for (std::size_t i = 0; i < layer.nValues.size(); ++i) {
        if (!tests.empty()) tests += kTest;
        tests += FormatNumber(layer.testDepths[i]) + kTestValue + FormatNumber(layer.nValues[i]);
    }
    return FormatNumber(layer.top) + kField + FormatNumber(layer.bottom) + kField +
           (layer.meanN ? FormatNumber(*layer.meanN) : std::string(kNoMean)) + kField + tests +
           kField + layer.name;
}

// The text up to the next separator, taken off the front of `text`.
std::string_view TakeField(std::string_view& text, char separator) {
    const std::size_t at = text.find(separator);
    const std::string_view field = text.substr(0, at);
    text.remove_prefix(at == std::string_view::npos ? text.size() : at + 1);
    return field;
}

std::optional<double> Number(std::string_view text) {
    const auto value = ParseNumericText(text);
    if (!value || !std::isfinite(*value)) return std::nullopt;
    return value;
}

bool ReadTests(std::string_view text, DerivedLayer& layer) {
    while (!text.empty()) {
        std::string_view test = TakeField(text, kTest);
        const auto depth = Number(TakeField(test, kTestValue));
        const auto n = Number(test);
        if (!depth || !n) return false;
        layer.testDepths.push_back(*depth);
        layer.nValues.push_back(*n);
    }
    return true;
}

std::optional<DerivedLayer> ReadLayer(std::string_view text) {
    DerivedLayer layer;
    const auto top = Number(TakeField(text, kField));
    const auto bottom = Number(TakeField(text, kField));
    const std::string_view mean = TakeField(text, kField);
    if (!top || !bottom || !ReadTests(TakeField(text, kField), layer)) return std::nullopt;
    layer.top = *top;
    layer.bottom = *bottom;
    if (mean != kNoMean) {
        layer.meanN = Number(mean);
        if (!layer.meanN) return std::nullopt;
    }
    // A layer's N̄ is the mean of its tests: one without the other is damage.
    if (layer.meanN.has_value() == layer.nValues.empty()) return std::nullopt;
    layer.name = text;
    return layer;
}

}  // namespace

void AppendSoilDerivation(const SoilDerivation& derivation, ProjectPreamble& preamble) {
    preamble.push_back({std::string(kFileKey), derivation.fileName});
    preamble.push_back({std::string(kNameKey), derivation.boringName});
    preamble.push_back({std::string(kAlphaKey), FormatNumber(derivation.alpha)});
    for (const DerivedLayer& layer : derivation.layers) {
        preamble.push_back({std::string(kLayerKey), LayerValue(layer)});
    }
}

std::optional<SoilDerivation> SoilDerivationFromPreamble(const ProjectPreamble& preamble) {
    SoilDerivation derivation;
    std::optional<double> alpha;
    for (const PreambleEntry& entry : preamble) {
        if (entry.key == kFileKey) derivation.fileName = entry.value;
        if (entry.key == kNameKey) derivation.boringName = entry.value;
        if (entry.key == kAlphaKey) alpha = Number(entry.value);
        if (entry.key == kLayerKey) {
            auto layer = ReadLayer(entry.value);
            if (!layer) return std::nullopt;
            derivation.layers.push_back(std::move(*layer));
        }
    }
    if (!alpha || *alpha <= 0 || derivation.layers.empty()) return std::nullopt;
    derivation.alpha = *alpha;
    return derivation;
}

}  // namespace nubera
