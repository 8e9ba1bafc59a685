#include "screenrules/plausible_ranges.h"

#include "screenrules/fill_load_rules.h"
#include "screenrules/poisson_ratio.h"
#include "text/number_text.h"

namespace nubera {
namespace {

std::string LayerName(std::size_t row) {
    return "土質条件の第" + std::to_string(row + 1) + "層の";
}

// What comes before the range's field in a value's name.
std::string Place(ValueSource source, std::size_t row) {
    switch (source) {
        case ValueSource::SoilLayer:
        case ValueSource::NValue:
            return LayerName(row);
        case ValueSource::FillLoad:
            return "盛土荷重 " + FillLoadLabel(row) + " の";
        case ValueSource::Surcharge:
            return std::string("上載荷重 ") + kSurchargeLabel + " の";
        case ValueSource::ExcavationWidth:
        case ValueSource::LeveeWidth:
        case ValueSource::PoissonRatio:
            break;
    }
    return {};
}

void VisitColumn(const PlausibleRange& range, const CellTable& table,
                 const std::function<void(const RangedValue&)>& visit) {
    for (std::size_t row = 0; row < table.RowCount(); ++row) {
        visit({&range, row, 0, table.Number(range.column, row)});
    }
}

void VisitNValues(const PlausibleRange& range, const ProjectData& project,
                  const std::function<void(const RangedValue&)>& visit) {
    const SoilDerivation* derivation = DescribingDerivation(project);
    if (!derivation) return;
    const std::vector<DerivedLayer>& layers = derivation->layers;
    for (std::size_t row = 0; row < layers.size(); ++row) {
        for (std::size_t test = 0; test < layers[row].nValues.size(); ++test) {
            visit({&range, row, test, layers[row].nValues[test]});
        }
    }
}

void Visit(const PlausibleRange& range, const ProjectData& project,
           const std::function<void(const RangedValue&)>& visit) {
    switch (range.source) {
        case ValueSource::ExcavationWidth:
            return visit({&range, 0, 0, project.excavationWidth});
        case ValueSource::LeveeWidth:
            return visit({&range, 0, 0, project.leveeWidth});
        case ValueSource::PoissonRatio:
            if (project.alsoLateral) visit({&range, 0, 0, project.poissonRatio});
            return;
        case ValueSource::SoilLayer:
            if (project.soilLayers) VisitColumn(range, *project.soilLayers, visit);
            return;
        case ValueSource::FillLoad:
            if (project.fillLoads) VisitColumn(range, *project.fillLoads, visit);
            return;
        case ValueSource::Surcharge:
            if (project.surcharge) VisitColumn(range, *project.surcharge, visit);
            return;
        case ValueSource::NValue:
            return VisitNValues(range, project, visit);
    }
}

std::string WithUnit(double value, const char* unit) {
    const std::string text = FormatNumber(value);
    return *unit ? text + " " + unit : text;
}

}  // namespace

std::string RangedValue::Name() const {
    return Place(range->source, row) + range->field;
}

bool RangedValue::Plausible() const {
    return value >= range->min && value <= range->max;
}

void ForEachRangedValue(const ProjectData& project,
                        const std::function<void(const RangedValue&)>& visit) {
    for (const PlausibleRange& range : kPlausibleRanges) Visit(range, project, visit);
}

std::vector<RangedValue> FindImplausibleValues(const ProjectData& project) {
    std::vector<RangedValue> found;
    ForEachRangedValue(project, [&](const RangedValue& value) {
        const bool toldElsewhere =
            value.range->source == ValueSource::PoissonRatio && value.value > kPoissonSignLimit;
        if (!value.Plausible() && !toldElsewhere) found.push_back(value);
    });
    return found;
}

std::string ImplausibleValueText(const RangedValue& value) {
    const PlausibleRange& range = *value.range;
    return value.Name() + "(" + FormatNumber(value.value) + ")が目安の範囲(" +
           FormatNumber(range.min) + "～" + WithUnit(range.max, range.unit) + ")を外れています。" +
           range.reason;
}

}  // namespace nubera
