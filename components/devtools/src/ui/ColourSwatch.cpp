#include "ui/ColourSwatch.h"

#include "editing/TableValues.h"
#include "ui/ImGuiInternals.h"

#include <imgui.h>

#include <array>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace tceditor
{
namespace
{
using Colour = std::array<float, 3>;

constexpr ImGuiColorEditFlags kSwatchFlags = ImGuiColorEditFlags_NoAlpha | ImGuiColorEditFlags_NoTooltip;
// Floats without the 0..1 limits, so values above 1 are kept and can be made.
constexpr ImGuiColorEditFlags kEditorFlags =
    ImGuiColorEditFlags_NoAlpha | ImGuiColorEditFlags_Float | ImGuiColorEditFlags_HDR;
constexpr ImGuiColorEditFlags kPickerFlags = ImGuiColorEditFlags_NoAlpha | ImGuiColorEditFlags_Float |
                                             ImGuiColorEditFlags_HDR | ImGuiColorEditFlags_NoLabel |
                                             ImGuiColorEditFlags_DisplayRGB | ImGuiColorEditFlags_DisplayHSV |
                                             ImGuiColorEditFlags_DisplayHex;
// Never 0: a colour scaled to black has lost its hue for good.
constexpr float kMinIntensity = 0.001f;
constexpr float kMaxIntensity = 1.0e6f;
constexpr ValueColumn kColumns[2] = { ValueColumn::Outdoor, ValueColumn::Indoor };
constexpr const char* kColumnLabels[2] = { "Value 1", "Value 2" };

// The colour the row's value cells show (the original's while "Compare" is
// held): swatches and the popup always agree with the table.
Colour ShownColour(TimecycleEditorState& state, const ColourTriple& triple, ValueColumn column)
{
    Colour colour{};
    for (int channel = 0; channel < 3; ++channel)
    {
        if (const tcModData* shown = TableValues(state, triple.channels[channel]).values)
            colour[channel] = ValueIn(*shown, column);
    }
    return colour;
}

ImVec4 SwatchColour(const Colour& colour)
{
    return ImVec4(colour[0], colour[1], colour[2], 1.0f);
}

// The triple of a row whose modifier has all its channels, or null.
const ColourTriple* WholeTriple(TimecycleEditorState& state, int32_t varId)
{
    const ColourTriple* triple = state.colourTriples.Of(state.game, varId);
    return triple && HasAllChannels(*triple, state.selection.workingParams) ? triple : nullptr;
}

void DrawSwatchTooltip(TimecycleEditorState& state, const ColourTriple& triple)
{
    const float side = 3.0f * ImGui::GetFrameHeight();
    ImGui::BeginTooltip();
    ImGui::TextUnformatted(triple.stem.c_str());
    for (int i = 0; i < 2; ++i)
    {
        const Colour colour = ShownColour(state, triple, kColumns[i]);
        ImGui::ColorButton(kColumnLabels[i], SwatchColour(colour), kSwatchFlags, ImVec2(side, side));
        ImGui::SameLine();
        ImGui::Text("%s: %.3f, %.3f, %.3f", kColumnLabels[i], colour[0], colour[1], colour[2]);
    }
    ImGui::EndTooltip();
}

// Writes the edited colour's channels that are switched on, through the
// history: the frames of one gesture of the editor are one step.
void WriteColour(TimecycleEditorState& state, tcModifier& modifier, const ColourTriple& triple, ValueColumn column,
                 const Colour& before, const Colour& edited, ImGuiID gesture)
{
    std::vector<EditHistory::ValueWrite> writes;
    for (int channel = 0; channel < 3; ++channel)
    {
        const int32_t varId = triple.channels[channel];
        if (state.selection.switchedOff.contains(varId) || !std::isfinite(edited[channel]))
            continue;
        ValueIn(state.selection.workingParams.at(varId), column) = edited[channel];
        writes.push_back({ varId, edited[channel] });
    }
    if (writes.empty())
        return;
    if (!state.history.GestureOpen(gesture))
        state.colourPopup.gestureStart = before;
    const std::string action =
        DescribeColourEdit(triple.stem, column, state.colourPopup.gestureStart, ShownColour(state, triple, column),
                           state.game.GetTimecycleName(modifier));
    state.history.SetValues(modifier, column, writes, action, gesture);
}

// A change made at once (a colour dropped on the editor, a typed value
// committed) is a gesture of its own; one the last item is still busy with
// goes on until it lets go.
template <typename Write>
void FollowGesture(TimecycleEditorState& state, bool changed, Write write)
{
    if (ImGui::IsItemActivated())
        state.history.EndGesture();
    if (changed)
        write();
    if ((changed && !ImGui::IsItemActive()) || ImGui::IsItemDeactivated())
        state.history.EndGesture();
}

// The picker the editor's square opens, in the id scope of the editor's
// label: the saturation and value square holds the colour divided by its
// intensity, and "Intensity" beside it scales the colour.
void DrawPicker(TimecycleEditorState& state, tcModifier& modifier, const ColourTriple& triple, int index,
                bool comparing)
{
    if (!ImGui::BeginPopup("HDR picker"))
        return;
    const ValueColumn column = kColumns[index];
    ColourIntensity& kept = state.colourPopup.intensity[index];
    const Colour before = ShownColour(state, triple, column);
    const float intensity = kept.Of(before);
    // Titled as Dear ImGui's own picker is, by the editor it belongs to.
    ImGui::TextUnformatted(kColumnLabels[index]);
    ImGui::Spacing();
    ImGui::BeginDisabled(comparing);

    Colour picked = ScaledColour(before, 1.0f / intensity);
    ImGui::SetNextItemWidth(12.0f * ImGui::GetFrameHeight());
    const bool pickedChanged = ImGui::ColorPicker3("##picker", picked.data(), kPickerFlags) && !comparing;
    FollowGesture(state, pickedChanged, [&] {
        const Colour edited = ScaledColour(picked, intensity);
        WriteColour(state, modifier, triple, column, before, edited, ImGui::GetID("##picker"));
        kept.Keep(intensity, edited);
    });

    float changedIntensity = intensity;
    ImGui::SetNextItemWidth(12.0f * ImGui::GetFrameHeight());
    const bool intensityChanged = ImGui::DragFloat("Intensity", &changedIntensity, 0.01f, kMinIntensity,
                                                   kMaxIntensity, "%.3f", ImGuiSliderFlags_AlwaysClamp) &&
                                  !comparing && changedIntensity != intensity;
    if (ImGui::IsItemHovered())
        ImGui::SetTooltip("The brightness the square's colour is multiplied by; changing it scales the colour");
    FollowGesture(state, intensityChanged, [&] {
        const Colour edited = ScaledColour(before, changedIntensity / intensity);
        WriteColour(state, modifier, triple, column, before, edited, ImGui::GetID("Intensity"));
        kept.Keep(changedIntensity, edited);
    });

    ImGui::EndDisabled();
    ImGui::EndPopup();
}

void DrawColourEditor(TimecycleEditorState& state, tcModifier& modifier, const ColourTriple& triple, int index)
{
    const ValueColumn column = kColumns[index];
    const char* label = kColumnLabels[index];
    const ImGuiID gesture = ImGui::GetID(label);
    const Colour before = ShownColour(state, triple, column);
    Colour edited = before;
    // While "Compare" is held the colours are the original's: shown, not edited.
    const bool comparing = state.comparedEdit.has_value();
    ImGui::BeginDisabled(comparing);
    // The editor's own picker would cap the brightness at 1: its square opens
    // ours instead (under another name, as the editor begins a popup named
    // "picker" whenever one is open).
    const bool changed = ImGui::ColorEdit3(label, edited.data(), kEditorFlags | ImGuiColorEditFlags_NoPicker) &&
                         !comparing;
    ImGui::EndDisabled();
    FollowGesture(state, changed, [&] { WriteColour(state, modifier, triple, column, before, edited, gesture); });

    ImGui::PushID(label);
    if (internals::WasClicked(ImGui::GetID("##ColorButton")))
        ImGui::OpenPopup("HDR picker");
    DrawPicker(state, modifier, triple, index, comparing);
    ImGui::PopID();
}

void DrawChannelNumbers(TimecycleEditorState& state, const ColourTriple& triple)
{
    std::string switchedOff;
    for (int32_t varId : triple.channels)
    {
        const char* name = state.game.VariableName(varId);
        const tcModData* shown = TableValues(state, varId).values;
        if (!name || !shown)
            continue;
        ImGui::Text("%s  %.3f  %.3f", name, shown->value1, shown->value2);
        if (state.selection.switchedOff.contains(varId))
            switchedOff += (switchedOff.empty() ? "" : ", ") + std::string(name);
    }
    if (!switchedOff.empty())
        ImGui::Text("Switched off, not written: %s", switchedOff.c_str());
}
}

void DrawColourSwatch(TimecycleEditorState& state, tcModifier& modifier, int32_t varId,
                      const tcModData* const (&channels)[3], const char* label, bool quiet)
{
    // The triple is looked up only for what needs more than the colour.
    const auto triple = [&] { return state.colourTriples.Of(state.game, varId); };
    Colour colour{};
    if (state.comparedEdit)
    {
        const ColourTriple* compared = triple();
        if (!compared)
            return;
        colour = ShownColour(state, *compared, ValueColumn::Outdoor);
    }
    else
    {
        // The same as TableValues gives without "Compare": the working copies.
        for (int channel = 0; channel < 3; ++channel)
            colour[channel] = channels[channel] ? channels[channel]->value1 : 0.0f;
    }
    const float side = ImGui::GetTextLineHeight();
    const ImVec2 at = ImGui::GetCursorScreenPos();
    ColourPopupState& popup = state.colourPopup;
    if (ImGui::ColorButton(label, SwatchColour(colour), kSwatchFlags, ImVec2(side, side)))
    {
        if (const ColourTriple* clicked = triple())
            popup = { state.game.GetTimecycleName(modifier), clicked->stem, clicked->channels[0], true, {}, varId, at.x, at.y };
    }
    if (popup.anchorVarId == varId && popup.redVarId >= 0)
        popup.anchorDrawnInPlace = at.x == popup.anchorX && at.y == popup.anchorY;
    if (!quiet && ImGui::IsItemHovered())
    {
        if (const ColourTriple* hovered = triple())
            DrawSwatchTooltip(state, *hovered);
    }
    ImGui::SameLine();
}

void DrawColourPopup(TimecycleEditorState& state, tcModifier& modifier)
{
    ColourPopupState& popup = state.colourPopup;
    if (popup.redVarId < 0)
        return;
    const std::string title = "Colour: " + popup.stem;
    if (popup.openRequested)
    {
        ImGui::OpenPopup(title.c_str());
        popup.openRequested = false;
    }
    if (!ImGui::BeginPopup(title.c_str()))
    {
        if (!ImGui::IsPopupOpen(title.c_str()))
            popup = {};
        return;
    }

    // The colour is found again every frame: the selection, the modifier's
    // parameters or the game's variables may have changed since it opened.
    // Nor does it stay over a table that moved under it.
    const ColourTriple* triple = WholeTriple(state, popup.redVarId);
    const bool anchored = std::exchange(popup.anchorDrawnInPlace, false);
    if (!triple || triple->stem != popup.stem || state.game.GetTimecycleName(modifier) != popup.modifier || !anchored)
    {
        ImGui::CloseCurrentPopup();
        ImGui::EndPopup();
        popup = {};
        return;
    }

    ImGui::TextUnformatted(title.c_str());
    ImGui::Separator();
    // While "Compare" shows the original, nothing is edited.
    const bool comparing = state.comparedEdit.has_value();
    if (comparing)
        ImGui::BeginDisabled(true);
    for (int index = 0; index < 2; ++index)
        DrawColourEditor(state, modifier, *triple, index);
    if (comparing)
        ImGui::EndDisabled();
    DrawChannelNumbers(state, *triple);
    // Escape closes the picker first, then the popup; a field being typed
    // into takes it for itself.
    if (ImGui::IsKeyPressed(ImGui::GetKeyIndex(ImGuiKey_Escape), false) && !ImGui::IsAnyItemActive() &&
        !internals::CloseChildPopups())
        ImGui::CloseCurrentPopup();
    ImGui::EndPopup();
}
}
