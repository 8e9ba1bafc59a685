#pragma once

#include <filesystem>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>

#include "model/cell.h"

namespace nubera::cli {

// A point's total that a batch summary names: the largest in size.
struct LargestResult {
    std::size_t point;  // k, 0 for ①
    double value;       // cm
    Cell x;             // the point's section coordinate (m)
};

// What a batch reports of one project.
struct ProjectOutcome {
    std::filesystem::path project;  // as listed
    std::string refusal;            // the program's message; empty when it succeeded
    double equivalentModulus = 0;
    std::optional<LargestResult> settlement;
    std::optional<LargestResult> lateral;  // nothing in settlement-only mode
    std::optional<std::filesystem::path> workbook;
    std::optional<std::filesystem::path> pdf;
    std::string pdfFailure;       // why the PDF asked for is missing; the workbook stands
    bool alsoLateral = false;     // which sheets its printed pages show
    nlohmann::ordered_json json;  // the single project's object with its name, when asked for

    bool Succeeded() const { return refusal.empty(); }
};

}  // namespace nubera::cli
