// The detail pane: controls for the selected modifier (create, rename,
// clone, delete, export, apply), the variable field with its suggestions,
// and the parameter table where every parameter is edited live.
#include "EditorPanes.h"
#include "EditorState.h"
#include "ModifierSearch.h"

#include <Utils.h>

#include <imgui.h>
#include <imgui_internal.h>

#include <cmath>
#include <cstring>
#include <set>
#include <string>

namespace
{
// Whether the suggestion popup under the "Variable" field is shown; it
// outlives the editor's resets on purpose.
bool variablePopupOpen = false;

constexpr float kLabelColumnWidth = 100.0f;
constexpr float kPopupHeight = 450.0f;
constexpr ImGuiWindowFlags kPopupFlags = ImGuiWindowFlags_NoTitleBar | ImGuiWindowFlags_NoResize |
                                         ImGuiWindowFlags_NoMove | ImGuiWindowFlags_Tooltip;
constexpr ImGuiTableFlags kTableFlags = ImGuiTableFlags_Resizable | ImGuiTableFlags_Sortable |
                                        ImGuiTableFlags_RowBg | ImGuiTableFlags_Borders;
constexpr ImU32 kHighlightColour = 0xFFECB351; // light blue: red 81, green 179, blue 236

// Names for "Create", "Rename" and "Clone" must be 2 to 128 bytes long.
bool IsAcceptableName(const char* name)
{
    const size_t length = strnlen(name, kTextBufferSize);
    return length >= 2 && length <= 128;
}

// Starts a row of the two-column layout: label left, controls right.
void BeginRow(const char* label, bool firstRow = false)
{
    if (!firstRow)
        ImGui::NextColumn();
    ImGui::Text("%s", label);
    ImGui::SameLine();
    ImGui::NextColumn();
}

bool HasLiveParameter(const tcModifier& modifier, int32_t varId)
{
    for (int i = 0; i < modifier.numMods; ++i)
    {
        if (modifier.modData[i].varId == varId)
            return true;
    }
    return false;
}

void DrawVariableField(TimecycleEditorState& state, tcModifier& modifier, tcVarInfo* varInfos)
{
    ImGui::InputText("##input", state.varInput, kTextBufferSize, 0, nullptr);
    ImGui::SameLine();
    bool focused = ImGui::IsItemFocused();
    if (ImGui::IsItemActive())
        variablePopupOpen = true;

    if (!variablePopupOpen)
        return;

    ImGui::SetNextWindowPos(ImVec2(ImGui::GetItemRectMin().x, ImGui::GetItemRectMax().y), 0, ImVec2(0.0f, 0.0f));
    ImGui::SetNextWindowSize(ImVec2(ImGui::GetItemRectSize().x, kPopupHeight), 0);
    if (ImGui::Begin("##popup", &variablePopupOpen, kPopupFlags))
    {
        ImGui::BringWindowToDisplayFront(ImGui::GetCurrentWindow());
        if (ImGui::IsWindowFocused(0))
            focused = true;

        for (int i = 0; i < TimecycleManager::GetConfigVarInfoCount(); ++i)
        {
            const tcVarInfo& info = varInfos[i];
            const char* name = TimecycleManager::GetVarInfoName(info);
            if (!name || !ContainsIgnoreCase(name, state.varInput) || HasLiveParameter(modifier, info.varId))
                continue;

            const bool clicked = ImGui::Selectable(name, false, 0, ImVec2(0.0f, 0.0f));
            if (clicked || (ImGui::IsItemFocused() && ImGui::IsKeyPressed(ImGui::GetKeyIndex(ImGuiKey_Enter), true)))
            {
                CopyToTextBuffer(state.varInput, name);
                variablePopupOpen = false;
            }
        }
    }
    ImGui::End();

    if (!focused)
        variablePopupOpen = false;
}

// Drag range and speed follow the default's size; a negative default drags
// the other way.
struct DragRange
{
    float min, max, speed;
};

DragRange DragRangeFor(float defaultValue)
{
    if (defaultValue == 0.0f)
        return { -1.0f, 1.0f, 0.02f };
    const float magnitude = std::fabs(defaultValue);
    return { -10.0f * magnitude, 10.0f * magnitude, defaultValue / 20.0f };
}

// One parameter row. A row whose "Delete" the host accepted goes into
// deletedVars, to be forgotten once the table is drawn.
void DrawParameterRow(TimecycleEditorState& state, tcModifier& modifier, const tcVarInfo& info, const char* name,
                      tcModData& saved, std::set<int32_t>& deletedVars)
{
    TimecycleManager& manager = *TheTimecycleManager;
    ModifierSelection& selection = state.selection;
    const int32_t varId = saved.varId;

    const bool highlighted = state.searchParam[0] != '\0' && ContainsIgnoreCase(name, state.searchParam);

    ImGui::TableNextRow(0, 0.0f);
    ImGui::TableSetColumnIndex(0);
    ImGui::Text("%d", info.varId);
    ImGui::TableSetColumnIndex(1);
    if (highlighted)
        ImGui::PushStyleColor(ImGuiCol_Text, kHighlightColour);
    ImGui::Text("%s", name);
    if (highlighted)
        ImGui::PopStyleColor(1);
    ImGui::TableSetColumnIndex(2);
    ImGui::Text("%f", info.defaultValue);

    const DragRange range = DragRangeFor(info.defaultValue);
    const bool enabled = !selection.removedVars.contains(varId);
    tcModData* live = manager.GetTimecycleModData(modifier, varId);

    if (!enabled)
        ImGui::BeginDisabled(true);
    ImGui::TableSetColumnIndex(3);
    if (ImGui::DragScalar(va("##%x-%d-1", modifier.nameHash, varId), ImGuiDataType_Float, &saved.value1, range.speed,
                          &range.min, &range.max, "%.3f", 0) &&
        enabled && live)
        live->value1 = saved.value1;
    ImGui::TableSetColumnIndex(4);
    if (ImGui::DragScalar(va("##%x-%d-2", modifier.nameHash, varId), ImGuiDataType_Float, &saved.value2, range.speed,
                          &range.min, &range.max, "%.3f", 0) &&
        enabled && live)
        live->value2 = saved.value2;

    ImGui::TableSetColumnIndex(5);
    // Switched-off rows keep their switch and "Delete" usable.
    if (!enabled)
        ImGui::EndDisabled();
    bool checked = enabled;
    if (ImGui::Checkbox(va("##%x-%d-check", modifier.nameHash, varId), &checked))
    {
        if (checked)
        {
            if (manager.AddTimecycleModData(modifier, name))
            {
                selection.removedVars.erase(varId);
                if (tcModData* restored = manager.GetTimecycleModData(modifier, varId))
                {
                    restored->value1 = saved.value1;
                    restored->value2 = saved.value2;
                }
            }
        }
        else if (manager.RemoveTimecycleModData(modifier, saved))
        {
            selection.removedVars.insert(varId);
        }
    }

    ImGui::SameLine();
    if (ImGui::Button(va("Delete##%x-%d-del", modifier.nameHash, varId), ImVec2(0.0f, 0.0f)))
    {
        // A switched-off parameter is already gone from the host, which then
        // has nothing to remove; the row is forgotten all the same.
        const bool goneAlready = !enabled && !manager.GetTimecycleModData(modifier, varId);
        if (goneAlready || manager.RemoveTimecycleModData(modifier, std::string(name)))
            deletedVars.insert(info.varId);
    }
}

void DrawParameterTable(TimecycleEditorState& state, tcModifier& modifier, tcVarInfo* varInfos)
{
    ModifierSelection& selection = state.selection;
    std::set<int32_t> deletedVars;
    int drawnRows = 0;

    if (ImGui::BeginTable("##proptable", 6, kTableFlags, ImVec2(0.0f, 0.0f), 0.0f))
    {
        ImGui::TableNextRow(0, 0.0f);
        const char* headings[] = { "Var", "Name", "Default", "Value 1", "Value 2", "" };
        for (int column = 0; column < 6; ++column)
        {
            ImGui::TableSetColumnIndex(column);
            ImGui::Text("%s", headings[column]);
        }

        for (auto& [varId, saved] : selection.savedParams)
        {
            // Only ids inside the variable table have a row; a negative one
            // would index before the array.
            if (varId < 0 || varId >= TimecycleManager::GetConfigVarInfoCount())
                continue;
            const tcVarInfo& info = varInfos[varId];
            const char* name = TimecycleManager::GetVarInfoName(info);
            if (!name)
                continue;
            if (state.paramFilter[0] != '\0' && !ContainsIgnoreCase(name, state.paramFilter))
                continue;

            DrawParameterRow(state, modifier, info, name, saved, deletedVars);
            ++drawnRows;
        }
        ImGui::EndTable();
    }
    ImGui::Columns(1);

    if (drawnRows == 0 && state.paramFilter[0] != '\0')
    {
        ImGui::Text("No parameters found");
        if (ImGui::Button("Clear filter query", ImVec2(0.0f, 0.0f)))
            ClearTextBuffer(state.paramFilter);
    }

    for (int32_t varId : deletedVars)
    {
        if (selection.savedParams.erase(varId))
            selection.removedVars.erase(varId);
    }
}

void DrawDetailContents(TimecycleEditorState& state, tcVarInfo* varInfos)
{
    TimecycleManager& manager = *TheTimecycleManager;
    ModifierSelection& selection = state.selection;

    ImGui::Columns(2, nullptr, true);
    ImGui::SetColumnWidth(0, kLabelColumnWidth);

    BeginRow("Name", true);
    ImGui::InputText("##detail_name", state.nameInput, kTextBufferSize, 0, nullptr);
    selection.ValidateSelection();
    if (selection.modifier)
    {
        ImGui::SameLine();
        ImGui::Text("(index: %d)", manager.GetTimecycleIndex(*selection.modifier));
    }

    BeginRow("Controls");
    if (ImGui::Button("Create", ImVec2(0.0f, 0.0f)) && IsAcceptableName(state.nameInput))
    {
        if (tcModifier* created = manager.CreateTimecycle(state.nameInput))
        {
            selection.SelectModifier(*created);
            ClearTextBuffer(state.nameInput);
        }
    }

    tcModifier* modifier = selection.modifier;
    if (modifier && !modifier->modData)
    {
        selection.ClearSelection();
        modifier = nullptr;
    }
    if (!modifier)
    {
        ImGui::Separator();
        return;
    }

    ImGui::SameLine();
    if (ImGui::Button("Rename", ImVec2(0.0f, 0.0f)) && IsAcceptableName(state.nameInput))
        manager.RenameTimecycle(*modifier, state.nameInput);
    ImGui::SameLine();
    if (ImGui::Button("Clone", ImVec2(0.0f, 0.0f)) && IsAcceptableName(state.nameInput))
    {
        if (tcModifier* clone = manager.CloneTimecycle(*modifier, state.nameInput))
        {
            selection.SelectModifier(*clone);
            ClearTextBuffer(state.nameInput);
        }
    }
    ImGui::SameLine();
    if (ImGui::Button("Delete", ImVec2(0.0f, 0.0f)))
    {
        manager.RemoveTimecycle(*modifier);
        selection.ClearSelection();
    }
    ImGui::SameLine();
    if (ImGui::Button("Generate XML", ImVec2(0.0f, 0.0f)))
        GenerateModifierXml(state);

    // The buttons may have changed the selection: the rest acts on what is
    // selected now.
    modifier = selection.modifier;
    if (!modifier)
        return;
    if (!modifier->modData)
    {
        selection.ClearSelection();
        return;
    }
    selection.CaptureParams();

    BeginRow("Filter");
    ImGui::InputText("##detail_filter_param", state.paramFilter, kTextBufferSize, 0, nullptr);
    ImGui::SameLine();
    ImGui::PushID("filter");
    if (ImGui::Button("Clear", ImVec2(0.0f, 0.0f)))
        ClearTextBuffer(state.paramFilter);
    ImGui::PopID();

    if (TimecycleScriptData* scriptData = TimecycleManager::GetScriptData())
    {
        BeginRow("Apply");
        if (ImGui::Button("As primary", ImVec2(0.0f, 0.0f)))
            scriptData->primaryIndex = manager.GetTimecycleIndex(*modifier);
        ImGui::SameLine();
        if (ImGui::Button("As transition", ImVec2(0.0f, 0.0f)))
        {
            scriptData->transitionIndex = manager.GetTimecycleIndex(*modifier);
            scriptData->transitionParam = 0.1f;
            scriptData->transitionStrength = 0.0f;
        }
    }

    BeginRow("Variable");
    DrawVariableField(state, *modifier, varInfos);
    if (ImGui::Button("Add", ImVec2(0.0f, 0.0f)) && manager.AddTimecycleModData(*modifier, state.varInput))
        ClearTextBuffer(state.varInput);
    ImGui::SameLine();
    ImGui::PushID("variable");
    if (ImGui::Button("Clear", ImVec2(0.0f, 0.0f)))
        ClearTextBuffer(state.varInput);
    ImGui::PopID();

    ImGui::Separator();
    ImGui::Columns(1);
    DrawParameterTable(state, *modifier, varInfos);
}
}

void DrawDetailPane(TimecycleEditorState& state, tcVarInfo* varInfos)
{
    if (ImGui::BeginChild("detail", ImVec2(-1.0f, -1.0f), true, 0))
        DrawDetailContents(state, varInfos);
    ImGui::EndChild();
}
