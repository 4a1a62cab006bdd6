#pragma once

#include "sci/operand_strip.h"

#include <string>
#include <vector>

namespace nuvra::sci {

// What the log key computes; chosen from the log key's pop-up menu and not stored. The menu
// never offers e to the power x, but the key computes it should the mode be set.
enum class LogKeyMode { NaturalLog = 1, Log10 = 2, AntiLog10 = 3, AntiLogE = 4 };

// The scientific state that outlives the toolbox window: the application owns one next to
// core::Session and passes it by reference.
struct ScienceState {
    LogKeyMode logKeyMode = LogKeyMode::NaturalLog;
    // Both single precision: every value stored is rounded to the nearest float first.
    float memoryRegister = 0.0f;
    float taxRate = 5.0f; // percent
    // The statistics items while the toolbox is not loaded.
    std::vector<std::string> statisticsKeepingList;
    OperandStrip operandStrip;
};

} // namespace nuvra::sci
