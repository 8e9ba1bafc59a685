#include "spreadsheet/ooxml/formulas/formula_evaluator.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "decimal/double_chars.h"

namespace nubera::sheet {
namespace {

constexpr std::array<std::pair<FormulaError, std::string_view>, 7> kErrorTexts = {{
    {FormulaError::Null, "#NULL!"},
    {FormulaError::Div0, "#DIV/0!"},
    {FormulaError::Value, "#VALUE!"},
    {FormulaError::Ref, "#REF!"},
    {FormulaError::Name, "#NAME?"},
    {FormulaError::Num, "#NUM!"},
    {FormulaError::NA, "#N/A"},
}};

// Thrown inside the evaluator when the formula goes beyond what it knows.
struct Unsupported {};

using Number = std::variant<double, FormulaError>;

std::optional<double> ParseNumber(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    double value = 0;
    const auto [end, error] = DoubleFromChars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// A value used in arithmetic: empty is 0, a text must read as a number.
Number ToNumber(const FormulaValue& value) {
    if (const auto* number = std::get_if<double>(&value)) return *number;
    if (const auto* error = std::get_if<FormulaError>(&value)) return *error;
    if (const auto* text = std::get_if<std::string>(&value)) {
        if (const auto parsed = ParseNumber(*text)) return *parsed;
        return FormulaError::Value;
    }
    return 0.0;
}

FormulaValue Checked(double value) {
    if (!std::isfinite(value)) return FormulaError::Num;
    return value;
}

FormulaValue Arithmetic(char op, const FormulaValue& left, const FormulaValue& right) {
    const Number a = ToNumber(left);
    const Number b = ToNumber(right);
    if (const auto* error = std::get_if<FormulaError>(&a)) return *error;
    if (const auto* error = std::get_if<FormulaError>(&b)) return *error;
    const double x = std::get<double>(a);
    const double y = std::get<double>(b);
    switch (op) {
        case '+':
            return Checked(x + y);
        case '-':
            return Checked(x - y);
        case '*':
            return Checked(x * y);
        case '/':
            return y == 0 ? FormulaValue(FormulaError::Div0) : Checked(x / y);
        default:
            return Checked(std::pow(x, y));
    }
}

// Half away from zero at `digits` decimals, after trimming the binary noise
// beyond 15 significant digits (so 2.675 rounds to 2.68 as a reader shows it).
double RoundDecimal(double value, int digits) {
    const double scale = std::pow(10.0, digits);
    char text[40];
    std::snprintf(text, sizeof text, "%.15g", value * scale);
    return std::round(std::strtod(text, nullptr)) / scale;
}

// The numbers that SUM, AVERAGE, MIN and MAX take from their arguments.
struct Numbers {
    std::vector<double> values;
    std::optional<FormulaError> error;

    void AddFromArea(const FormulaValue& value) {
        if (const auto* number = std::get_if<double>(&value)) values.push_back(*number);
        if (const auto* failure = std::get_if<FormulaError>(&value))
            error = error.value_or(*failure);
    }
    void AddArgument(const FormulaValue& value) {
        const Number number = ToNumber(value);
        if (const auto* failure = std::get_if<FormulaError>(&number)) {
            error = error.value_or(*failure);
        } else {
            values.push_back(std::get<double>(number));
        }
    }
};

FormulaValue Aggregate(std::string_view function, const Numbers& numbers) {
    if (numbers.error) return *numbers.error;
    const std::vector<double>& v = numbers.values;
    double sum = 0;
    for (double x : v) sum += x;
    if (function == "SUM") return Checked(sum);
    if (function == "AVERAGE")
        return v.empty() ? FormulaValue(FormulaError::Div0) : Checked(sum / v.size());
    if (v.empty()) return 0.0;
    return function == "MIN" ? *std::min_element(v.begin(), v.end())
                             : *std::max_element(v.begin(), v.end());
}

class Evaluator {
  public:
    Evaluator(std::string_view formula, FormulaCells& cells) : cells_(cells) {
        for (Token& token : Tokenize(formula)) {
            if (token.kind != TokenKind::Space) tokens_.push_back(std::move(token));
        }
    }

    // A formula that only reads an empty cell shows 0.
    FormulaValue Run() {
        FormulaValue value = Additive();
        if (at_ != tokens_.size()) throw Unsupported{};
        if (std::holds_alternative<std::monostate>(value)) return 0.0;
        return value;
    }

  private:
    const Token* Peek(std::size_t ahead = 0) const {
        return at_ + ahead < tokens_.size() ? &tokens_[at_ + ahead] : nullptr;
    }

    // The operator at the cursor when it is one of `ops`, consumed; else 0.
    char TakeOperator(std::string_view ops) {
        const Token* token = Peek();
        if (!token || token->kind != TokenKind::Operator || token->text.size() != 1 ||
            ops.find(token->text[0]) == std::string_view::npos) {
            return 0;
        }
        ++at_;
        return token->text[0];
    }

    void Expect(TokenKind kind) {
        if (!Peek() || Peek()->kind != kind) throw Unsupported{};
        ++at_;
    }

    FormulaValue Additive() {
        FormulaValue value = Multiplicative();
        while (const char op = TakeOperator("+-")) value = Arithmetic(op, value, Multiplicative());
        return value;
    }

    FormulaValue Multiplicative() {
        FormulaValue value = Power();
        while (const char op = TakeOperator("*/")) value = Arithmetic(op, value, Power());
        return value;
    }

    FormulaValue Power() {
        FormulaValue value = Unary();
        while (TakeOperator("^")) value = Arithmetic('^', value, Unary());
        return value;
    }

    // A sign binds tighter than ^: -2^2 is 4.
    FormulaValue Unary() {
        if (const char op = TakeOperator("+-")) {
            const FormulaValue operand = Unary();
            return op == '-' ? Arithmetic('-', 0.0, operand) : operand;
        }
        FormulaValue value = Primary();
        while (TakeOperator("%")) value = Arithmetic('/', value, 100.0);
        return value;
    }

    FormulaValue Primary() {
        const Token* token = Peek();
        if (!token) throw Unsupported{};
        ++at_;
        switch (token->kind) {
            case TokenKind::Number:
                return ParseNumber(token->text).value_or(0.0);
            case TokenKind::Text:
                return Unquoted(token->text);
            case TokenKind::Error:
                return ErrorFromText(token->text).value_or(FormulaError::Value);
            case TokenKind::Reference:
                return SingleCell(*token);
            case TokenKind::Function:
                return Call(token->text);
            case TokenKind::Name:
                return Boolean(token->text);
            case TokenKind::Open: {
                FormulaValue value = Additive();
                Expect(TokenKind::Close);
                return value;
            }
            default:
                throw Unsupported{};
        }
    }

    static std::string Unquoted(std::string_view quoted) {
        std::string text;
        for (std::size_t i = 1; i + 1 < quoted.size(); ++i) {
            text += quoted[i];
            if (quoted[i] == '"') ++i;  // "" stands for one quote
        }
        return text;
    }

    static FormulaValue Boolean(std::string_view name) {
        if (name == "TRUE") return 1.0;
        if (name == "FALSE") return 0.0;
        throw Unsupported{};  // a defined name
    }

    FormulaValue SingleCell(const Token& token) {
        if (!token.area) return FormulaError::Ref;
        const Area& area = *token.area;
        if (area.shape == AreaShape::Columns || area.shape == AreaShape::Rows ||
            area.first.row != area.last.row || area.first.column != area.last.column) {
            return FormulaError::Value;
        }
        return cells_.ValueAt(token.sheet, area.first.row, area.first.column);
    }

    // Whether the argument at the cursor is a bare reference, which SUM and
    // its kin read cell by cell.
    bool AtAreaArgument() const {
        const Token* token = Peek();
        const Token* after = Peek(1);
        return token && token->kind == TokenKind::Reference && token->area && after &&
               (after->kind == TokenKind::Separator || after->kind == TokenKind::Close);
    }

    void ReadAreaArgument(Numbers& numbers) {
        const Token& token = tokens_[at_++];
        const bool found =
            cells_.VisitArea(token.sheet, *token.area,
                             [&numbers](const FormulaValue& v) { numbers.AddFromArea(v); });
        if (!found) numbers.error = numbers.error.value_or(FormulaError::Ref);
    }

    // The arguments of SUM and its kin, from "(" to ")": bare references are
    // read cell by cell, anything else as one value.
    Numbers AggregateArguments() {
        Expect(TokenKind::Open);
        Numbers numbers;
        while (Peek() && Peek()->kind != TokenKind::Close) {
            if (AtAreaArgument()) {
                ReadAreaArgument(numbers);
            } else {
                numbers.AddArgument(Additive());
            }
            if (Peek() && Peek()->kind == TokenKind::Separator) ++at_;
        }
        Expect(TokenKind::Close);
        return numbers;
    }

    // The arguments of any other function as numbers, the first error instead
    // when one holds an error value.
    std::variant<std::vector<double>, FormulaError> NumberArguments() {
        Expect(TokenKind::Open);
        std::vector<Number> numbers;
        while (Peek() && Peek()->kind != TokenKind::Close) {
            numbers.push_back(ToNumber(Additive()));
            if (Peek() && Peek()->kind == TokenKind::Separator) ++at_;
        }
        Expect(TokenKind::Close);
        std::vector<double> values;
        for (const Number& number : numbers) {
            if (const auto* error = std::get_if<FormulaError>(&number)) return *error;
            values.push_back(std::get<double>(number));
        }
        return values;
    }

    FormulaValue Call(std::string_view name) {
        if (name == "SUM" || name == "AVERAGE" || name == "MIN" || name == "MAX") {
            return Aggregate(name, AggregateArguments());
        }
        if (name != "ABS" && name != "ROUND") throw Unsupported{};
        const auto arguments = NumberArguments();
        if (const auto* error = std::get_if<FormulaError>(&arguments)) return *error;
        const std::vector<double>& x = std::get<std::vector<double>>(arguments);
        if (name == "ABS" && x.size() == 1) return std::fabs(x[0]);
        if (name == "ROUND" && x.size() == 2) {
            // Beyond 20 decimals a double has nothing left to round.
            return Checked(RoundDecimal(x[0], static_cast<int>(std::clamp(x[1], -20.0, 20.0))));
        }
        throw Unsupported{};
    }

    std::vector<Token> tokens_;
    std::size_t at_ = 0;
    FormulaCells& cells_;
};

}  // namespace

std::string_view ErrorText(FormulaError error) {
    for (const auto& [known, text] : kErrorTexts) {
        if (known == error) return text;
    }
    return "#VALUE!";
}

std::optional<FormulaError> ErrorFromText(std::string_view text) {
    for (const auto& [error, known] : kErrorTexts) {
        if (known == text) return error;
    }
    return std::nullopt;
}

std::optional<FormulaValue> EvaluateFormula(std::string_view formula, FormulaCells& cells) {
    try {
        return Evaluator(formula, cells).Run();
    } catch (const Unsupported&) {
        return std::nullopt;
    }
}

}  // namespace nubera::sheet
