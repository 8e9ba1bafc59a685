#include "model/cell.h"

#include "text/number_text.h"

namespace nubera {

double Cell::AsNumber() const {
    if (const auto* number = std::get_if<double>(&value)) return *number;
    if (const auto* text = std::get_if<std::string>(&value)) return ReadNumberPrefix(*text);
    return 0;
}

}  // namespace nubera
