#pragma once

namespace nubera {

// What a run computes: the immediate settlement alone, or the lateral
// displacement as well. The project keeps it as ProjectData::alsoLateral.
enum class ProcessingMode { SettlementOnly, AlsoLateral };

inline ProcessingMode ModeOf(bool alsoLateral) {
    return alsoLateral ? ProcessingMode::AlsoLateral : ProcessingMode::SettlementOnly;
}

inline bool IsAlsoLateral(ProcessingMode mode) {
    return mode == ProcessingMode::AlsoLateral;
}

}  // namespace nubera
