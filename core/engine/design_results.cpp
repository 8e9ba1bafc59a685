#include "engine/design_results.h"

#include "engine/calculation.h"
#include "engine/engine_error.h"
#include "engine/equivalent_modulus.h"
#include "engine/point_totals.h"
#include "screenrules/fill_load_rules.h"
#include "screenrules/poisson_ratio.h"
#include "screenrules/run_enabling_rule.h"

namespace nubera {
namespace {

std::optional<double> ValueOf(const Cell& cell) {
    if (cell.IsMissing()) return std::nullopt;
    return cell.AsNumber();
}

// The table of one quantity from the loads' detail rows, as the summary
// sheet shows it.
QuantityAtPoints QuantityOf(const ProjectData& project, const std::vector<PointDetail>& fill,
                            const PointDetail& surcharge) {
    const std::vector<std::optional<double>> totals = PointTotals(project, fill, surcharge);
    QuantityAtPoints points;
    for (std::size_t k = 0; k < kPointCount; ++k) {
        points[k].total = totals[k];
        if (!totals[k]) continue;
        for (std::size_t i = 0; i < project.fillLoads->RowCount(); ++i) {
            points[k].loads.push_back(ValueOf(fill.at(i)[k][point_item::kResult]));
        }
        if (project.surcharge)
            points[k].loads.push_back(ValueOf(surcharge[k][point_item::kResult]));
    }
    return points;
}

void Collect(const ProjectData& project, const CalcResults& calc, DesignResults& design) {
    design.equivalentModulus = calc.equivalentModulus;
    for (std::size_t i = 0; i < project.fillLoads->RowCount(); ++i) {
        design.loadLabels.push_back(FillLoadLabel(i));
    }
    if (project.surcharge) design.loadLabels.emplace_back(kSurchargeLabel);
    for (std::size_t k = 0; k < kPointCount; ++k) design.x[k] = ValueOf(calc.pointOffsets.at(0)[k]);
    design.settlement = QuantityOf(project, calc.settlementDetail, calc.surchargeSettlementDetail);
    if (project.alsoLateral) {
        design.lateral = QuantityOf(project, calc.lateralDetail, calc.surchargeLateralDetail);
    }
}

}  // namespace

DesignResults ComputeDesignResults(const ProjectData& project, Placement placement,
                                   std::string_view poissonText) {
    DesignResults design;
    if (!RunAllowed(project, placement)) {
        design.whyNot = RunRequirementText(project, placement);
        return design;
    }
    const PoissonCheck poisson = CheckPoissonText(poissonText);
    if (!poisson.ok) {
        design.whyNot = poisson.message;
        return design;
    }
    ProjectData checked = project;
    checked.poissonRatio = poisson.ratio;
    design.poissonRatio = poisson.ratio;
    try {
        CalcResults calc;
        if (RunCalculation(checked, calc, placement) == RunOutcome::ModulusZero) {
            design.whyNot = kEquivalentModulusZero;
            return design;
        }
        Collect(checked, calc, design);
    } catch (const std::exception& error) {
        design = DesignResults{};
        design.whyNot = CalculationFailureText(error);
    }
    return design;
}

std::string CalculationFailureText(const std::exception& error) {
    const bool engine = dynamic_cast<const EngineError*>(&error) != nullptr;
    return std::string(engine ? "計算できませんでした。\n" : "計算中にエラーが発生しました。\n") +
           error.what() + "\n入力した条件をご確認ください。";
}

}  // namespace nubera
