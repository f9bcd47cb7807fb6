// The modifiers as the data files gave them, kept aside so that a modifier
// can be compared with its loaded state after the editor changed it.
#pragma once

#include <TimecycleManager.h>

#include <map>
#include <string>
#include <vector>

namespace sandbox
{
struct LoadedModifier
{
    uint32_t userFlags = 0;
    std::map<int32_t, tcModData> params;  // by variable id
};

class LoadedData
{
public:
    // Keeps the modifier's current parameters as its loaded state.
    void Record(const std::string& name, const tcModifier& modifier);
    const LoadedModifier* Find(const std::string& name) const;

private:
    std::map<std::string, LoadedModifier> m_modifiers;
};

// The names of the game's live modifiers, in array order.
std::vector<std::string> LiveModifierNames();
}
