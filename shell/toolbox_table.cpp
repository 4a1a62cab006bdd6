#include "shell/toolbox_table.h"

namespace nuvra::shell {

namespace {

template <typename Match>
const ToolboxSpec* findSpec(Match match)
{
    for (const ToolboxSpec& spec : kToolboxSpecs) {
        if (match(spec))
            return &spec;
    }
    return nullptr;
}

} // namespace

const ToolboxSpec* toolboxSpecForItem(std::string_view item)
{
    return findSpec([item](const ToolboxSpec& spec) { return spec.item == item; });
}

const ToolboxSpec* toolboxSpecForLetter(char letter)
{
    if (letter == 0)
        return nullptr;
    return findSpec([letter](const ToolboxSpec& spec) { return spec.letter == letter; });
}

const ToolboxSpec* toolboxSpecForShortcut(std::string_view shortcut)
{
    if (shortcut.empty())
        return nullptr;
    return findSpec([shortcut](const ToolboxSpec& spec) { return spec.shortcut == shortcut; });
}

const ToolboxSpec& toolboxSpec(Toolbox toolbox)
{
    // Every toolbox has a row; the table test walks them all.
    return *findSpec([toolbox](const ToolboxSpec& spec) { return spec.toolbox == toolbox; });
}

} // namespace nuvra::shell
