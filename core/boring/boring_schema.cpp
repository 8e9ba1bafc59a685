#include "boring/boring_schema.h"

#include "text/number_text.h"

namespace nubera {
namespace {

// From 4.00 on, the names the program reads stay those of 4.00; later
// versions only add elements (ボーリング連番 and others).
constexpr const char* kDivision4 = "工学的地質区分名現場土質名";
constexpr const char* kDivisionDepth4 = "工学的地質区分名現場土質名_下端深度";
constexpr const char* kDivisionName4 = "工学的地質区分名現場土質名_工学的地質区分名現場土質名";

constexpr BoringSchema kSchemas[] = {
    {"2.10", "土質岩種区分", "土質岩種区分_下端深度", "土質岩種区分_土質岩種区分1", "総掘進長",
     1.0},
    {"3.00", "岩石土区分", "岩石土区分_下端深度", "岩石土区分_岩石土名", "総掘進長", 1.0},
    {"4.00", kDivision4, kDivisionDepth4, kDivisionName4, "総削孔長", 0.1},
    {"5.00", kDivision4, kDivisionDepth4, kDivisionName4, "総削孔長", 0.1},
};

// The element is the division or one of its items ("<division>_…").
bool InDivisionVocabulary(const BoringSchema& schema, std::string_view element) {
    const std::string_view division = schema.division;
    return element.starts_with(division) &&
           (element.size() == division.size() || element[division.size()] == '_');
}

}  // namespace

std::span<const BoringSchema> KnownBoringSchemas() {
    return kSchemas;
}

std::optional<BoringSchemaChoice> BoringSchemaOf(std::string_view dtdVersion) {
    for (const BoringSchema& schema : kSchemas) {
        if (schema.version == dtdVersion) return BoringSchemaChoice{schema};
    }
    const BoringSchema& newest = std::end(kSchemas)[-1];
    const auto number = ParseNumericText(dtdVersion);
    const auto newestNumber = ParseNumericText(newest.version);
    if (number && newestNumber && *number > *newestNumber) {
        return BoringSchemaChoice{newest, true};
    }
    return std::nullopt;
}

std::string KnownBoringVersionsText() {
    std::string text;
    for (const BoringSchema& schema : kSchemas) {
        text += (text.empty() ? "" : "、") + std::string(schema.version);
    }
    return text;
}

std::optional<std::string_view> OtherVersionNaming(const BoringSchema& schema,
                                                   std::string_view element) {
    for (const BoringSchema& other : kSchemas) {
        if (std::string_view(other.division) != schema.division &&
            InDivisionVocabulary(other, element)) {
            return other.version;
        }
    }
    return std::nullopt;
}

}  // namespace nubera
