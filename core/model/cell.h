#pragma once

#include <string>
#include <variant>

namespace nubera {

// One cell of the project's tables: missing, a number, or a text that is read
// as a number wherever it is used (the fill table's column 11 "0" for a single
// block, and manual point positions exactly as the user typed them).
struct Cell {
    std::variant<std::monostate, double, std::string> value;

    static Cell Missing() { return {}; }
    static Cell Number(double v) { return Cell{v}; }
    static Cell Text(std::string t) { return Cell{std::move(t)}; }

    bool IsMissing() const { return std::holds_alternative<std::monostate>(value); }
    bool IsNumber() const { return std::holds_alternative<double>(value); }
    bool IsText() const { return std::holds_alternative<std::string>(value); }

    // The cell's value as a number: a number unchanged, a text by the
    // number-prefix rule, a missing cell as 0.
    double AsNumber() const;

    bool operator==(const Cell&) const = default;
};

}  // namespace nubera
