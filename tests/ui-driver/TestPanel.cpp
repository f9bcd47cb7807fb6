#include "TestPanel.h"

#define IMGUI_DEFINE_MATH_OPERATORS
#include "imgui.h"
#include "imgui_internal.h"

#include <algorithm>
#include <cstdio>

namespace
{
// Draws only the rows that show, the way long lists keep frames cheap: a row
// further down is not submitted until the list is scrolled to it.
void DrawRowsInView(int& selectedRow)
{
    const float pitch = ImGui::GetTextLineHeightWithSpacing();
    const float top = ImGui::GetCursorPosY();
    const int first = int(ImGui::GetScrollY() / pitch);
    const int last = std::min(TestPanel::kRowCount, first + int(ImGui::GetWindowHeight() / pitch) + 2);
    ImGui::SetCursorPosY(top + first * pitch);
    for (int row = first; row < last; ++row)
    {
        char label[32];
        std::snprintf(label, sizeof label, "Row %d", row);
        if (ImGui::Selectable(label, selectedRow == row))
            selectedRow = row;
    }
    ImGui::SetCursorPosY(top + TestPanel::kRowCount * pitch);
}
}

void TestPanel::Draw()
{
    ImGui::SetNextWindowPos(ImVec2(20, 20), ImGuiCond_Always);
    ImGui::SetNextWindowSize(ImVec2(600, 800), ImGuiCond_Always);
    ImGui::Begin("Test Panel");
    ImGui::Text("Created %d", created);
    if (ImGui::Button("Create"))
        ++created;
    if (ImGui::Button("OK##first"))
        ++firstOk;
    ImGui::SameLine();
    if (ImGui::Button("OK##second"))
        ++secondOk;
    ImGui::BeginDisabled();
    if (ImGui::Button("Locked"))
        ++lockedPresses;
    ImGui::EndDisabled();
    ImGui::Checkbox("Enabled", &enabled);
    if (ImGui::IsItemHovered())
        ImGui::SetTooltip("Turns the panel on");
    if (ImGui::InputText("##name", name, sizeof name, ImGuiInputTextFlags_EnterReturnsTrue))
        ++namesEntered;
    ImGui::InputTextMultiline("##notes", notes, sizeof notes, ImVec2(-1, 60));
    ImGui::DragFloat("Speed", &speed);
    ImGui::Selectable("Double-click me", false, ImGuiSelectableFlags_AllowDoubleClick);
    if (ImGui::IsItemHovered() && ImGui::IsMouseDoubleClicked(0))
        ++doubleClicks;
    // A splitter never describes itself: it is known by its id string.
    ImGuiWindow* window = ImGui::GetCurrentWindow();
    const ImVec2 corner = window->DC.CursorPos;
    const ImRect splitter(corner + ImVec2(leftWidth, 0), corner + ImVec2(leftWidth + 8, 30));
    ImGui::SplitterBehavior(splitter, window->GetID("##Splitter"), ImGuiAxis_X, &leftWidth, &rightWidth, 8, 8);
    ImGui::Dummy(ImVec2(0, 30));
    if (ImGui::TreeNodeEx("Leaf node", ImGuiTreeNodeFlags_Leaf | (leafSelected ? ImGuiTreeNodeFlags_Selected : 0)))
    {
        if (ImGui::IsItemClicked(0))
            leafSelected = true;
        ImGui::TreePop();
    }

    ImGui::BeginChild("items", ImVec2(0, 150), true);
    for (int item = 0; item < kItemCount; ++item)
    {
        char label[32];
        std::snprintf(label, sizeof label, "Item %d", item);
        if (ImGui::Button(label))
            clickedItem = item;
    }
    itemsScroll = ImGui::GetScrollY();
    ImGui::EndChild();

    ImGui::BeginChild("rows", ImVec2(0, 150), true);
    DrawRowsInView(selectedRow);
    ImGui::EndChild();
    ImGui::End();

    ImGui::SetNextWindowPos(ImVec2(700, 20), ImGuiCond_Always);
    ImGui::Begin("Other Window");
    ImGui::Text("Shown elsewhere");
    if (ImGui::Button("Create"))
        ++otherCreated;
    ImGui::End();
}
