#include "recovery/UnsavedWork.h"

#include <algorithm>
#include <bit>

namespace tceditor
{
namespace
{
std::string MapKey(const UnsavedModifier& modifier)
{
    return (modifier.created ? "c:" : "o:") + modifier.key;
}

bool SameParameter(const DocumentParameter& a, const DocumentParameter& b)
{
    return a.variable == b.variable && std::bit_cast<uint32_t>(a.value1) == std::bit_cast<uint32_t>(b.value1) &&
           std::bit_cast<uint32_t>(a.value2) == std::bit_cast<uint32_t>(b.value2);
}
}

bool UnsavedModifier::operator==(const UnsavedModifier& other) const
{
    return kind == other.kind && created == other.created && key == other.key && state.name == other.state.name &&
           state.userFlags == other.state.userFlags &&
           std::equal(state.parameters.begin(), state.parameters.end(), other.state.parameters.begin(),
                      other.state.parameters.end(), SameParameter);
}

void FoldStep(UnsavedStep& step, UnsavedStep later)
{
    if (later.saved)
    {
        step = std::move(later);
        return;
    }
    step.time = std::move(later.time);
    // The last change of each modifier counts, as Apply takes them in turn.
    std::map<std::string, UnsavedModifier> last;
    for (UnsavedModifier& change : step.changes)
        last[MapKey(change)] = std::move(change);
    for (UnsavedModifier& change : later.changes)
        last[MapKey(change)] = std::move(change);
    step.changes.clear();
    for (auto& [key, change] : last)
        step.changes.push_back(std::move(change));
}

void UnsavedWork::Apply(const UnsavedStep& step)
{
    endedAt = step.time;
    if (step.saved)
        modifiers.clear();
    for (const UnsavedModifier& change : step.changes)
    {
        if (change.kind == UnsavedModifier::Kind::Dropped)
            modifiers.erase(MapKey(change));
        else
            modifiers[MapKey(change)] = change;
    }
}

size_t UnsavedWork::CreatedCount() const
{
    return size_t(std::count_if(modifiers.begin(), modifiers.end(), [](const auto& entry) { return entry.second.created; }));
}

size_t UnsavedWork::RemovedCount() const
{
    return size_t(std::count_if(modifiers.begin(), modifiers.end(), [](const auto& entry) {
        return entry.second.kind == UnsavedModifier::Kind::Removed;
    }));
}

UnsavedStep UnsavedWork::AsStep() const
{
    UnsavedStep step{ endedAt, true, {} };
    for (const auto& [key, modifier] : modifiers)
        step.changes.push_back(modifier);
    return step;
}
}
