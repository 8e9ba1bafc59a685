#include "model/soil_derivation.h"

#include <cstdio>

#include "model/table_columns.h"
#include "text/number_text.h"
#include "text/round_half.h"

namespace nubera {

double DerivedLayer::Thickness() const {
    return RoundHalf(bottom - top);
}

double ModulusFromN(double alpha, double meanN) {
    return RoundHalf(alpha * meanN, 0);
}

std::optional<double> DerivedModulus(double alpha, const DerivedLayer& layer) {
    if (!layer.meanN || *layer.meanN == 0) return std::nullopt;
    return ModulusFromN(alpha, *layer.meanN);
}

std::string NValuesText(const std::vector<double>& nValues) {
    std::string text;
    for (const double n : nValues) text += (text.empty() ? "" : ", ") + FormatNumber(n);
    return text;
}

std::string MeanNText(double meanN) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", RoundHalf(meanN, 1));
    return text;
}

bool DescribesLayers(const SoilDerivation& derivation, const CellTable& layers) {
    if (derivation.layers.size() != layers.RowCount()) return false;
    for (std::size_t row = 0; row < layers.RowCount(); ++row) {
        if (layers.At(soil_column::kDepth, row).AsNumber() != derivation.layers[row].bottom) {
            return false;
        }
    }
    return true;
}

bool ModulusTyped(const SoilDerivation& derivation, std::size_t layer, double modulus) {
    return DerivedModulus(derivation.alpha, derivation.layers.at(layer)) != modulus;
}

}  // namespace nubera
