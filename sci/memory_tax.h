#pragma once

#include <string>

namespace nuvra::core {
struct Session;
}

namespace nuvra::sci {

struct ScienceState;


// The pull-out bar of the scientific page: closed, or showing the memory or the tax keys.
enum class BarState { Closed, Memory, Tax };

enum class MemoryTaxKey {
    MemoryClear,    // cmdMc
    MemoryAdd,      // cmdMp
    MemorySubtract, // cmdMm
    MemoryRecall,   // cmdMr
    TaxPlus,        // cmdtaxp
    TaxMinus,       // cmdtaxm
    TaxRate,        // cmdTaxSet
};

// The bar belongs to the toolbox window: every load starts closed. The register and the rate
// it works on live in ScienceState.
class MemoryTaxBar {
public:
    BarState state() const { return m_state; }
    bool barShown() const { return m_state != BarState::Closed; }
    bool memoryKeysShown() const { return m_state == BarState::Memory; }
    bool taxKeysShown() const { return m_state == BarState::Tax; }

    // cmdM and cmdTax on release: open their set, switch to it, or close it when it is shown.
    void pressMemoryBarKey();
    void pressTaxBarKey();
    // A double-click on the bar closes it.
    void doubleClickBar() { m_state = BarState::Closed; }

    // A key of the bar; keys of a set that is not shown cannot be pressed (returns false).
    bool press(MemoryTaxKey key, core::Session& session, ScienceState& state) const;

private:
    BarState m_state = BarState::Closed;
};

// The key operations themselves. M+ and M- end silently (M unchanged) when the sum leaves the
// single-precision range; tax plus and minus end silently when the entry is not one number or
// the tax amount leaves that range.
void memoryClear(core::Session& session, ScienceState& state);
void memoryAdd(core::Session& session, ScienceState& state);
void memorySubtract(core::Session& session, ScienceState& state);
void memoryRecall(core::Session& session, const ScienceState& state);
void taxPlus(core::Session& session, const ScienceState& state);
void taxMinus(core::Session& session, const ScienceState& state);

} // namespace nuvra::sci
