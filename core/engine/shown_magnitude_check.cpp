#include "engine/shown_magnitude_check.h"

#include <cmath>
#include <string>

#include "engine/engine_error.h"
#include "screenrules/plausible_ranges.h"
#include "text/number_text.h"

namespace nubera {
namespace {

void RequireShown(const std::string& name, double value, const char* unit = "") {
    if (std::fabs(value) <= kMaxShownMagnitude) return;
    const std::string limit = FormatNumber(kMaxShownMagnitude);
    throw EngineError(name + "(" + FormatNumber(value) + ")が扱える範囲(±" +
                      (*unit ? limit + " " + unit : limit) + ")を超えています。");
}

void CheckDerivation(const SoilDerivation& derivation) {
    RequireShown("ボーリングから求めたEsの係数α", derivation.alpha);
    for (std::size_t row = 0; row < derivation.layers.size(); ++row) {
        if (const auto& mean = derivation.layers[row].meanN) {
            RequireShown("土質条件の第" + std::to_string(row + 1) + "層のN平均", *mean);
        }
    }
}

}  // namespace

void CheckShownMagnitudes(const ProjectData& project) {
    ForEachRangedValue(project, [](const RangedValue& value) {
        RequireShown(value.Name(), value.value, value.range->unit);
    });
    if (const SoilDerivation* derivation = DescribingDerivation(project)) {
        CheckDerivation(*derivation);
    }
}

}  // namespace nubera
