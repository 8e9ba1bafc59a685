#include "boring/boring_reader.h"

#include <cmath>
#include <pugixml.hpp>
#include <vector>

#include "boring/boring_elements.h"
#include "boring/boring_encoding.h"
#include "boring/boring_schema.h"
#include "files/file_bytes.h"
#include "text/number_text.h"
#include "text/path_text.h"

namespace nubera {
namespace {

namespace el = boring_element;

// The total length is the bottom of the boring, which the deepest division
// should reach; a centimetre is what a log's depths are written to.
constexpr double kTotalLengthTolerance = 0.01;
// Depths are read from decimal text: their binary forms may differ from the
// decimals by this much.
constexpr double kDecimalSlack = 1e-9;

// The log's content read with one version's element names.
class LogReader {
  public:
    LogReader(const BoringElements& elements, const BoringSchema& schema, std::string version)
        : e_(elements), schema_(schema), version_(std::move(version)) {}

    BoringLog Read(pugi::xml_node root) const {
        const pugi::xml_node title = e_.Required(root, el::kTitle);
        const pugi::xml_node basics = e_.Required(title, el::kBasics);
        BoringLog log;
        log.dtdVersion = version_;
        log.name = e_.Text(e_.OnlyDescendant(title, el::kName));
        log.groundLevel = GroundLevel(basics);
        const pugi::xml_node total = e_.Only(basics, schema_.totalLength);
        if (total) log.totalLength = e_.Number(total);
        ReadCore(e_.Required(root, el::kCore), log);
        CheckTotalLength(basics, total, log);
        return log;
    }

  private:
    std::optional<double> GroundLevel(pugi::xml_node basics) const {
        const pugi::xml_node level = e_.Only(basics, el::kGroundLevel);
        if (!level) return std::nullopt;
        // The ground level may lie below the sea, so only its form is checked.
        const std::string text = e_.Text(level);
        const auto value = ParseNumericText(text);
        if (!value || std::abs(*value) > BoringElements::kMaxValue) {
            throw BoringRefusal{e_.Where(level) + "の値「" + text + "」が数値ではありません。"};
        }
        return value;
    }

    void ReadCore(pugi::xml_node core, BoringLog& log) const {
        for (const pugi::xml_node node : core.children()) {
            const std::string_view name = node.name();
            if (name == schema_.division) {
                AddDivision(node, log.divisions);
            } else if (name == el::kTest) {
                AddTest(node, log.tests);
            } else {
                RefuseOtherVersion(node);
            }
        }
        if (log.divisions.empty()) {
            throw BoringRefusal{e_.Where(core) + "に「" + schema_.division +
                                "」が一つもありません。"};
        }
    }

    void AddDivision(pugi::xml_node node, std::vector<BoringDivision>& divisions) const {
        if (divisions.size() == kMaxBoringRecords) throw TooMany(schema_.division);
        for (const pugi::xml_node item : node.children()) RefuseOtherVersion(item);
        const pugi::xml_node depthNode = e_.Required(node, schema_.divisionDepth);
        const double depth = e_.Number(depthNode);
        if (divisions.empty()) {
            RequireBelowSurface(depthNode, depth);
        } else {
            RequireDeeper(depthNode, depth, divisions.back().bottomDepth);
        }
        divisions.push_back({depth, e_.Text(e_.Only(node, schema_.divisionName)), e_.LineOf(node)});
    }

    void AddTest(pugi::xml_node node, std::vector<PenetrationTest>& tests) const {
        if (tests.size() == kMaxBoringRecords) throw TooMany(el::kTest);
        const pugi::xml_node depthNode = e_.Required(node, el::kTestDepth);
        const double depth = e_.Number(depthNode);
        if (!tests.empty()) RequireDeeper(depthNode, depth, tests.back().startDepth);
        tests.push_back({depth, e_.RequiredNumber(node, el::kTestBlows),
                         e_.RequiredNumber(node, el::kTestPenetration) * schema_.penetrationToCm,
                         e_.LineOf(node)});
    }

    // An element another version names so would be read by none: its
    // division, or its depth, would be lost without a word.
    void RefuseOtherVersion(pugi::xml_node node) const {
        if (const auto version = OtherVersionNaming(schema_, node.name())) {
            throw BoringRefusal{e_.Where(node) + "は DTD_version「" + std::string(*version) +
                                "」の要素です（このファイルは「" + version_ + "」）。"};
        }
    }

    void RequireDeeper(pugi::xml_node node, double depth, double above) const {
        if (depth <= above) {
            throw BoringRefusal{e_.Where(node) + " " + FormatNumber(depth) + " m が一つ上の " +
                                FormatNumber(above) + " m より深くありません。"};
        }
    }

    // A division that ends at the ground surface has no thickness, and a
    // log of such divisions would leave nothing to propose.
    void RequireBelowSurface(pugi::xml_node node, double depth) const {
        if (depth <= 0) {
            throw BoringRefusal{e_.Where(node) + " " + FormatNumber(depth) +
                                " m が地表（0 m）より深くありません。"};
        }
    }

    // Layers come from the divisions alone, so the total length is only
    // compared with the deepest of them, and taken from it when missing.
    void CheckTotalLength(pugi::xml_node basics, pugi::xml_node total, BoringLog& log) const {
        const BoringDivision& deepest = log.divisions.back();
        const std::string deepestText = "最も深い「" + std::string(schema_.divisionDepth) + "」 " +
                                        FormatNumber(deepest.bottomDepth) + " m（" +
                                        std::to_string(deepest.line) + "行目）";
        if (!total) {
            log.totalLength = deepest.bottomDepth;
            log.warnings.push_back(e_.Where(basics) + "に「" + schema_.totalLength +
                                   "」がありません。" + deepestText + "を" + schema_.totalLength +
                                   "とします。");
        } else if (std::abs(log.totalLength - deepest.bottomDepth) >
                   kTotalLengthTolerance + kDecimalSlack) {
            log.warnings.push_back(e_.Where(total) + " " + FormatNumber(log.totalLength) + " m が" +
                                   deepestText + "と合いません。");
        }
    }

    static BoringRefusal TooMany(const char* name) {
        return BoringRefusal{std::string("「") + name + "」が多すぎます（上限 " +
                             std::to_string(kMaxBoringRecords) + "）。"};
    }

    const BoringElements& e_;
    const BoringSchema& schema_;
    std::string version_;  // as the file gives it
};

// The one root element; anything beside it would be left unread.
pugi::xml_node RootOf(const pugi::xml_document& document, const BoringElements& elements) {
    pugi::xml_node root;
    pugi::xml_node stray;
    for (const pugi::xml_node node : document.children()) {
        if (node.type() != pugi::node_element) continue;
        if (!root && std::string_view(node.name()) == el::kRoot) {
            root = node;
        } else if (!stray) {
            stray = node;
        }
    }
    if (!root) {
        throw BoringRefusal{
            "ボーリング交換用データではありません（「ボーリング情報」がありません）。"};
    }
    if (stray && std::string_view(stray.name()) == el::kRoot) elements.RefuseRepeated(root, stray);
    if (stray) {
        throw BoringRefusal{elements.Where(stray) + "が「" + el::kRoot + "」の外にあります。"};
    }
    return root;
}

std::string NewerVersionText(const std::string& version, const BoringSchema& read) {
    return "DTD_version「" + version + "」は対応している版（" + KnownBoringVersionsText() +
           "）より新しい版です。" + std::string(read.version) + " の要素名で";
}

BoringLog ReadDocument(const std::string& text) {
    const BoringElements elements(text);
    pugi::xml_document document;
    const pugi::xml_parse_result parsed =
        document.load_buffer(text.data(), text.size(), pugi::parse_default, pugi::encoding_utf8);
    if (!parsed) {
        throw BoringRefusal{std::to_string(elements.LineAt(parsed.offset)) +
                            "行目で XML の書式が崩れています。"};
    }
    const pugi::xml_node root = RootOf(document, elements);
    const std::string version = root.attribute(el::kVersionAttribute).value();
    const auto choice = BoringSchemaOf(version);
    if (!choice) {
        throw BoringRefusal{"DTD_version「" + version + "」のファイルには対応していません（" +
                            KnownBoringVersionsText() + " に対応）。"};
    }
    const LogReader reader(elements, choice->schema, version);
    if (!choice->newerThanKnown) return reader.Read(root);
    try {
        BoringLog log = reader.Read(root);
        log.warnings.insert(log.warnings.begin(),
                            NewerVersionText(version, choice->schema) + "読みました。");
        return log;
    } catch (BoringRefusal& refusal) {
        refusal.message += "\n" + NewerVersionText(version, choice->schema) + "読めませんでした。";
        throw;
    }
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
    } catch (const BoringRefusal& refusal) {
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
