#include "boring/boring_reader.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <pugixml.hpp>
#include <vector>

#include "boring/boring_encoding.h"
#include "boring/boring_schema.h"
#include "files/file_bytes.h"
#include "text/number_text.h"
#include "text/path_text.h"

namespace nubera {
namespace {

namespace el = boring_element;

// No depth or count of a real boring comes near this; it keeps every value
// the program computes from a file finite.
constexpr double kMaxValue = 100000;

// A refusal on its way out of the reader, carrying its message.
struct Refusal {
    std::string message;
};

class Reader {
  public:
    Reader(const std::string& text, const BoringSchema& schema) : text_(text), schema_(schema) {}

    int LineOf(pugi::xml_node node) const {
        const std::ptrdiff_t offset = std::max<std::ptrdiff_t>(node.offset_debug(), 0);
        const auto end = text_.begin() + std::min<std::ptrdiff_t>(offset, text_.size());
        return 1 + static_cast<int>(std::count(text_.begin(), end, '\n'));
    }

    std::string Where(pugi::xml_node node) const {
        return std::to_string(LineOf(node)) + "行目の「" + node.name() + "」";
    }

    pugi::xml_node Required(pugi::xml_node parent, const char* name) const {
        const pugi::xml_node child = parent.child(name);
        if (!child) throw Refusal{Where(parent) + "に「" + name + "」がありません。"};
        return child;
    }

    // A value that must be a plain number between 0 and kMaxValue.
    double Number(pugi::xml_node node) const {
        const std::string text = node.child_value();
        const auto value = ParseNumericText(text);
        if (!value) throw Refusal{Where(node) + "の値「" + text + "」が数値ではありません。"};
        if (*value < 0 || *value > kMaxValue) {
            throw Refusal{Where(node) + "の値「" + text + "」が範囲外です。"};
        }
        return *value;
    }

    double RequiredNumber(pugi::xml_node parent, const char* name) const {
        return Number(Required(parent, name));
    }

    void RequireDeeper(pugi::xml_node node, double depth, std::optional<double> above) const {
        if (above && depth <= *above) {
            throw Refusal{Where(node) + " " + FormatNumber(depth) + " m が一つ上の " +
                          FormatNumber(*above) + " m より深くありません。"};
        }
    }

    // A division that ends at the ground surface has no thickness, and a
    // log of such divisions would leave nothing to propose.
    void RequireBelowSurface(pugi::xml_node node, double depth) const {
        if (depth <= 0) {
            throw Refusal{Where(node) + " " + FormatNumber(depth) +
                          " m が地表（0 m）より深くありません。"};
        }
    }

    std::vector<BoringDivision> Divisions(pugi::xml_node core) const {
        std::vector<BoringDivision> divisions;
        std::optional<double> above;
        for (const pugi::xml_node node : core.children(schema_.division)) {
            if (divisions.size() == kMaxBoringRecords) throw TooMany(schema_.division);
            const pugi::xml_node depthNode = Required(node, schema_.divisionDepth);
            const double depth = Number(depthNode);
            if (!above) RequireBelowSurface(depthNode, depth);
            RequireDeeper(depthNode, depth, above);
            divisions.push_back(
                {depth, node.child(schema_.divisionName).child_value(), LineOf(node)});
            above = depth;
        }
        if (divisions.empty()) {
            throw Refusal{Where(core) + "に「" + schema_.division + "」が一つもありません。"};
        }
        return divisions;
    }

    std::vector<PenetrationTest> Tests(pugi::xml_node core) const {
        std::vector<PenetrationTest> tests;
        std::optional<double> above;
        for (const pugi::xml_node node : core.children(el::kTest)) {
            if (tests.size() == kMaxBoringRecords) throw TooMany(el::kTest);
            const pugi::xml_node depthNode = Required(node, el::kTestDepth);
            const double depth = Number(depthNode);
            RequireDeeper(depthNode, depth, above);
            tests.push_back({depth, RequiredNumber(node, el::kTestBlows),
                             RequiredNumber(node, el::kTestPenetration) * schema_.penetrationToCm,
                             LineOf(node)});
            above = depth;
        }
        return tests;
    }

  private:
    static Refusal TooMany(const char* name) {
        return Refusal{std::string("「") + name + "」が多すぎます（上限 " +
                       std::to_string(kMaxBoringRecords) + "）。"};
    }

    const std::string& text_;
    const BoringSchema& schema_;
};

std::string FirstDescendantText(pugi::xml_node node, const char* name) {
    return node.find_node([&](pugi::xml_node n) { return std::strcmp(n.name(), name) == 0; })
        .child_value();
}

BoringLog ReadDocument(const std::string& text) {
    pugi::xml_document document;
    const pugi::xml_parse_result parsed =
        document.load_buffer(text.data(), text.size(), pugi::parse_default, pugi::encoding_utf8);
    if (!parsed) {
        const auto end = text.begin() + std::min<std::ptrdiff_t>(parsed.offset, text.size());
        throw Refusal{std::to_string(1 + std::count(text.begin(), end, '\n')) +
                      "行目で XML の書式が崩れています。"};
    }
    const pugi::xml_node root = document.child(el::kRoot);
    if (!root)
        throw Refusal{"ボーリング交換用データではありません（「ボーリング情報」がありません）。"};
    const std::string version = root.attribute(el::kVersionAttribute).value();
    const auto schema = BoringSchemaOf(version);
    if (!schema) {
        throw Refusal{"DTD_version「" + version +
                      "」のファイルには対応していません（2.10、3.00、4.00 に対応）。"};
    }
    const Reader reader(text, *schema);
    const pugi::xml_node title = reader.Required(root, el::kTitle);
    const pugi::xml_node basics = reader.Required(title, el::kBasics);
    BoringLog log;
    log.dtdVersion = version;
    log.name = FirstDescendantText(title, el::kName);
    if (const pugi::xml_node level = basics.child(el::kGroundLevel)) {
        // The ground level may lie below the sea, so only its form is checked.
        const std::string levelText = level.child_value();
        log.groundLevel = ParseNumericText(levelText);
        if (!log.groundLevel || std::abs(*log.groundLevel) > kMaxValue) {
            throw Refusal{reader.Where(level) + "の値「" + levelText + "」が数値ではありません。"};
        }
    }
    log.totalLength = reader.RequiredNumber(basics, schema->totalLength);
    const pugi::xml_node core = reader.Required(root, el::kCore);
    log.divisions = reader.Divisions(core);
    log.tests = reader.Tests(core);
    return log;
}

}  // namespace

std::optional<BoringLog> ParseBoringLog(std::string_view bytes, std::string* error) {
    if (bytes.size() > kMaxBoringFileBytes) {
        *error =
            "ファイルが大きすぎます（上限 " + std::to_string(kMaxBoringFileBytes >> 20) + " MB）。";
        return std::nullopt;
    }
    const auto text = DecodeBoringText(bytes, error);
    if (!text) return std::nullopt;
    try {
        return ReadDocument(*text);
    } catch (const Refusal& refusal) {
        *error = refusal.message;
        return std::nullopt;
    }
}

std::optional<BoringLog> ReadBoringLog(const std::filesystem::path& path, std::string* error) {
    const std::string prefix = "ボーリングデータ「" + Utf8FromPath(path) + "」を読み込めません。\n";
    // One byte past the bound tells a file at the bound from a larger one.
    const auto bytes = ReadFileBytes(path, kMaxBoringFileBytes + 1);
    if (!bytes) {
        *error = prefix + "ファイルを開けません。";
        return std::nullopt;
    }
    auto log = ParseBoringLog(*bytes, error);
    if (!log) *error = prefix + *error;
    return log;
}

}  // namespace nubera
