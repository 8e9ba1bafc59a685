#include "boring/boring_schema.h"

namespace nubera {

std::optional<BoringSchema> BoringSchemaOf(std::string_view dtdVersion) {
    static constexpr BoringSchema kSchemas[] = {
        {"2.10", "土質岩種区分", "土質岩種区分_下端深度", "土質岩種区分_土質岩種区分1", "総掘進長",
         1.0},
        {"3.00", "岩石土区分", "岩石土区分_下端深度", "岩石土区分_岩石土名", "総掘進長", 1.0},
        {"4.00", "工学的地質区分名現場土質名", "工学的地質区分名現場土質名_下端深度",
         "工学的地質区分名現場土質名_工学的地質区分名現場土質名", "総削孔長", 0.1},
    };
    for (const BoringSchema& schema : kSchemas) {
        if (schema.version == dtdVersion) return schema;
    }
    return std::nullopt;
}

}  // namespace nubera
