// A boring exchange file read as the soil screen and nubera-cli read it, then
// the layers proposed from it. Whatever the bytes, the reader refuses them
// with a message or the proposal holds only finite, ordered values.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "boring/boring_reader.h"
#include "boring/layer_proposal.h"
#include "tests/fuzz/fuzz_input_file.h"

namespace {

using nubera::fuzz::Require;

void RequireSound(const nubera::LayerProposal& proposal) {
    double above = 0;
    for (const nubera::DerivedLayer& layer : proposal.layers) {
        Require(layer.top == above && layer.bottom > layer.top);
        Require(layer.bottom <= proposal.cutDepth);
        Require(layer.nValues.size() == layer.testDepths.size());
        Require(layer.meanN.has_value() == !layer.nValues.empty());
        for (const double n : layer.nValues) Require(std::isfinite(n) && n >= 0);
        if (const auto modulus = nubera::DerivedModulus(proposal.alpha, layer)) {
            Require(std::isfinite(*modulus) && *modulus >= 0);
        }
        above = layer.bottom;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const nubera::fuzz::FuzzInputFile file(data, size);
    std::string error;
    const auto log = nubera::ReadBoringLog(file.Path(), &error);
    if (!log) {
        Require(!error.empty());
        return 0;
    }
    for (const bool merge : {false, true}) {
        nubera::ProposalOptions options;
        options.mergeAlike = merge;
        const auto proposal = nubera::ProposeLayers(*log, options, &error);
        Require(proposal.has_value());
        RequireSound(*proposal);
    }
    return 0;
}
