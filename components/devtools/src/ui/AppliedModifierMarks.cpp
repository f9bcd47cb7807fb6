#include "ui/AppliedModifierMarks.h"

#include "ui/ImGuiInternals.h"

#include <imgui.h>

namespace tceditor
{
namespace
{
struct Tag
{
    const char* letter;
    const char* meaning;
    ImU32 colour;
};

constexpr Tag kPrimaryTag{ "P", "Applied as the primary modifier", IM_COL32(70, 160, 90, 255) };
constexpr Tag kTransitionTag{ "T", "Applied as the transition modifier", IM_COL32(70, 120, 200, 255) };
constexpr Tag kInteriorTag{ "I", "Applied as the interior modifier", IM_COL32(150, 90, 190, 255) };
constexpr ImU32 kTagTextColour = IM_COL32(255, 255, 255, 255);

const tcModifier* ModifierAt(GameTimecycle& game, int index)
{
    return index < 0 ? nullptr : game.GetTimecycleByIndex(static_cast<unsigned>(index));
}

// One tag, starting at x on the entry's line; returns where the next starts.
float DrawTag(const Tag& tag, float x, float top)
{
    const ImGuiStyle& style = ImGui::GetStyle();
    const ImVec2 textSize = ImGui::CalcTextSize(tag.letter);
    const ImVec2 min(x, top);
    const ImVec2 max(x + textSize.x + 2.0f * style.FramePadding.y, top + textSize.y);
    ImDrawList& drawList = *ImGui::GetWindowDrawList();
    drawList.AddRectFilled(min, max, tag.colour, 3.0f);
    drawList.AddText(ImVec2(min.x + style.FramePadding.y, min.y), kTagTextColour, tag.letter);
    if (ImGui::IsMouseHoveringRect(min, max))
        ImGui::SetTooltip("%s", tag.meaning);
    return max.x + style.ItemInnerSpacing.x;
}
}

AppliedModifiers AppliedModifiers::Of(GameTimecycle& game)
{
    AppliedModifiers applied;
    if (const TimecycleScriptData* script = game.GetScriptData())
    {
        applied.primary = ModifierAt(game, script->primaryIndex);
        applied.transition = ModifierAt(game, script->transitionIndex);
    }
    applied.interior = ModifierAt(game, game.GetInteriorModifierOverride());
    return applied;
}

void DrawAppliedTags(const AppliedModifiers& applied, const tcModifier& modifier)
{
    if (!applied.Has(modifier))
        return;
    // Drawn, not submitted: the entry stays the last item, and its label the
    // name.
    float x = ImGui::GetItemRectMax().x + ImGui::GetStyle().ItemInnerSpacing.x;
    const float top = ImGui::GetItemRectMin().y;
    if (&modifier == applied.primary)
        x = DrawTag(kPrimaryTag, x, top);
    if (&modifier == applied.transition)
        x = DrawTag(kTransitionTag, x, top);
    if (&modifier == applied.interior)
        DrawTag(kInteriorTag, x, top);
}

void OfferSelectOnText(TimecycleEditorState& state, const char* text, int index)
{
    // The text is no widget: an invisible button over it, known by the same
    // text, takes the right click.
    const ImVec2 min = ImGui::GetItemRectMin();
    const ImVec2 size = ImGui::GetItemRectSize();
    const ImVec2 next = ImGui::GetCursorScreenPos();
    ImGui::SetCursorScreenPos(min);
    ImGui::InvisibleButton(text, ImVec2(size.x > 0.0f ? size.x : 1.0f, size.y > 0.0f ? size.y : 1.0f), 0);
    ImGui::SetCursorScreenPos(next);
    if (!internals::ContextMenuMayShow() || !ImGui::BeginPopupContextItem())
        return;
    // Found again at the click: the game may have changed its array since.
    tcModifier* modifier = index < 0 ? nullptr : state.game.GetTimecycleByIndex(static_cast<unsigned>(index));
    if (ImGui::MenuItem("Select", nullptr, false, modifier != nullptr) && modifier)
    {
        state.SelectFromBrowser(*modifier);
        state.browserScrollTarget = state.game.GetTimecycleName(*modifier);
    }
    ImGui::EndPopup();
}
}
