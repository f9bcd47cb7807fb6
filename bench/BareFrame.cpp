// The bare frame: the editor window's widgets as Dear ImGui draws them, from
// the view's texts, with no editor logic. Every text goes unformatted.
#include "BareFrame.h"

#include <imgui_internal.h>

namespace bench
{
namespace
{
constexpr ImGuiTableFlags kTableFlags = ImGuiTableFlags_Resizable | ImGuiTableFlags_Sortable |
                                        ImGuiTableFlags_RowBg | ImGuiTableFlags_Borders;
constexpr ImU32 kChangedColour = IM_COL32(255, 190, 90, 255);
constexpr ImGuiColorEditFlags kSwatchFlags = ImGuiColorEditFlags_NoAlpha | ImGuiColorEditFlags_NoTooltip;

void Splitter(BareView& view)
{
    ImGuiWindow* window = ImGui::GetCurrentWindow();
    const ImVec2 min(window->DC.CursorPos.x + view.leftPaneWidth, window->DC.CursorPos.y);
    const ImVec2 size = ImGui::CalcItemSize(ImVec2(8.0f, -1.0f), 0.0f, 0.0f);
    ImGui::SplitterBehavior(ImRect(min, ImVec2(min.x + size.x, min.y + size.y)), window->GetID("##Splitter"),
                            ImGuiAxis_X, &view.leftPaneWidth, &view.rightPaneWidth, 8.0f, 8.0f, 0.0f, 0.0f);
}

void Label(const char* text)
{
    ImGui::TextUnformatted(text);
    ImGui::SameLine();
    ImGui::NextColumn();
}

void DisabledButton(const char* label)
{
    ImGui::BeginDisabled(true);
    ImGui::Button(label);
    ImGui::EndDisabled();
}

// An applied modifier: its name, where a right click would offer "Select",
// its strength and "Clear" in a scope of the row's own.
void AppliedRow(BareAppliedRow& row, const char* title, const char* strengthId)
{
    if (row.text.empty())
    {
        ImGui::TextUnformatted(title);
        ImGui::Dummy(ImVec2(0.0f, ImGui::GetFrameHeight()));
        return;
    }
    ImGui::TextUnformatted(row.text.c_str());
    const ImVec2 min = ImGui::GetItemRectMin();
    const ImVec2 size = ImGui::GetItemRectSize();
    const ImVec2 next = ImGui::GetCursorScreenPos();
    ImGui::SetCursorScreenPos(min);
    ImGui::InvisibleButton(row.text.c_str(), size);
    ImGui::SetCursorScreenPos(next);
    const float minStrength = -10.0f;
    const float maxStrength = 10.0f;
    ImGui::DragScalar(strengthId, ImGuiDataType_Float, &row.strength, 0.05f, &minStrength, &maxStrength, "%.3f");
    ImGui::SameLine();
    ImGui::PushID(strengthId);
    ImGui::Button("Clear");
    ImGui::PopID();
}

// A tag drawn after the list entry; returns where the next starts.
float Tag(const char* letter, ImU32 colour, float x, float top)
{
    const ImGuiStyle& style = ImGui::GetStyle();
    const ImVec2 textSize = ImGui::CalcTextSize(letter);
    const ImVec2 max(x + textSize.x + 2.0f * style.FramePadding.y, top + textSize.y);
    ImDrawList& drawList = *ImGui::GetWindowDrawList();
    drawList.AddRectFilled(ImVec2(x, top), max, colour, 3.0f);
    drawList.AddText(ImVec2(x + style.FramePadding.y, top), IM_COL32(255, 255, 255, 255), letter);
    return max.x + style.ItemInnerSpacing.x;
}

void Tags(int tags)
{
    float x = ImGui::GetItemRectMax().x + ImGui::GetStyle().ItemInnerSpacing.x;
    const float top = ImGui::GetItemRectMin().y;
    if (tags & kPrimaryTag)
        x = Tag("P", IM_COL32(70, 160, 90, 255), x, top);
    if (tags & kTransitionTag)
        Tag("T", IM_COL32(70, 120, 200, 255), x, top);
}

void Browser(BareView& view)
{
    ImGui::TextUnformatted("Search timecycle:");
    ImGui::Columns(2, nullptr, true);
    ImGui::SetColumnWidth(0, ImGui::CalcTextSize("By param ").x);
    Label("By name");
    ImGui::InputTextWithHint("##controls_search_name", "name contains...", view.searchName, sizeof view.searchName);
    ImGui::NextColumn();
    Label("By param");
    ImGui::InputTextWithHint("##controls_search_param", "parameter contains...", view.searchParam,
                             sizeof view.searchParam);
    ImGui::NextColumn();
    ImGui::Separator();
    ImGui::EndColumns();

    AppliedRow(view.primary, "Primary modifier: NONE", "##primary-strength");
    ImGui::Separator();
    AppliedRow(view.transition, "Transition modifier: NONE", "##transition-strength");
    ImGui::Separator();
    ImGui::TextUnformatted("Interior modifier: NONE");
    ImGui::Separator();
    bool apply = false;
    ImGui::Checkbox("Apply selected", &apply);

    if (ImGui::BeginChild("list", ImVec2(-1.0f, -ImGui::GetTextLineHeightWithSpacing()), false, 0))
    {
        ImGui::PushStyleVar(ImGuiStyleVar_IndentSpacing, ImGui::GetFontSize());
        ImGuiWindow* window = ImGui::GetCurrentWindow();
        ImGuiListClipper clipper;
        clipper.Begin(static_cast<int>(view.list.size()));
        while (clipper.Step())
        {
            for (int row = clipper.DisplayStart; row < clipper.DisplayEnd; ++row)
            {
                const BareListEntry& entry = view.list[row];
                ImGuiTreeNodeFlags flags = ImGuiTreeNodeFlags_Leaf;
                if (entry.id == view.selectedId)
                    flags |= ImGuiTreeNodeFlags_Selected;
                const char* name = entry.name.c_str();
                const bool open = ImGui::TreeNodeBehavior(window->GetID(entry.id), flags, name, name + entry.name.size());
                if (entry.tags)
                    Tags(entry.tags);
                if (open)
                    ImGui::TreePop();
            }
        }
        ImGui::PopStyleVar(1);
    }
    ImGui::EndChild();
    ImGui::PushStyleColor(ImGuiCol_Text, kChangedColour);
    const char* count = view.changedCountText.c_str();
    ImGui::Selectable(count, false, 0, ImVec2(ImGui::CalcTextSize(count).x, 0.0f));
    ImGui::PopStyleColor(1);
}

void EditRow(bool selected)
{
    DisabledButton("Undo");
    ImGui::SameLine();
    DisabledButton("Redo");
    if (selected)
    {
        ImGui::SameLine();
        DisabledButton("Revert");
        ImGui::SameLine();
        DisabledButton("Compare");
    }
    ImGui::SameLine();
    ImGui::Button("Paste XML");
    ImGui::SameLine();
    DisabledButton("Copy changed");
    ImGui::SameLine();
    DisabledButton("Save changed");
}

void ParameterRow(BareParameterRow& row, int index)
{
    ImGui::PushID(index);
    ImGui::TableNextRow();
    ImGui::TableSetColumnIndex(0);
    ImGui::TextUnformatted(row.varText.c_str());
    ImGui::TableSetColumnIndex(1);
    if (row.hasSwatch)
    {
        const float side = ImGui::GetTextLineHeight();
        ImGui::ColorButton("##s", row.swatchColour, kSwatchFlags, ImVec2(side, side));
        ImGui::SameLine();
    }
    ImGui::TextUnformatted(row.name.c_str());
    ImGui::TableSetColumnIndex(2);
    ImGui::TextUnformatted(row.defaultText.c_str());
    ImGui::TableSetColumnIndex(3);
    ImGui::DragScalar("##1", ImGuiDataType_Float, &row.values[0], 1.0f, nullptr, nullptr, "%.3f");
    ImGui::TableSetColumnIndex(4);
    ImGui::DragScalar("##2", ImGuiDataType_Float, &row.values[1], 1.0f, nullptr, nullptr, "%.3f");
    ImGui::TableSetColumnIndex(5);
    bool checked = true;
    ImGui::Checkbox("##c", &checked);
    ImGui::SameLine();
    ImGui::Button("Delete");
    ImGui::PopID();
}

void ParameterTable(BareView& view)
{
    if (!ImGui::BeginTable("##proptable", 6, kTableFlags))
        return;
    ImGui::TableSetupColumn("Var", ImGuiTableColumnFlags_WidthFixed, view.varWidth);
    ImGui::TableSetupColumn("Name", ImGuiTableColumnFlags_WidthFixed, view.nameWidth);
    for (const char* heading : { "Default", "Value 1", "Value 2", "" })
        ImGui::TableSetupColumn(heading, ImGuiTableColumnFlags_WidthStretch);
    ImGui::TableNextRow();
    const char* headings[] = { "Var", "Name", "Default", "Value 1", "Value 2", "" };
    for (int column = 0; column < 6; ++column)
    {
        ImGui::TableSetColumnIndex(column);
        ImGui::TextUnformatted(headings[column]);
    }
    ImGuiListClipper clipper;
    clipper.Begin(static_cast<int>(view.rows.size()));
    while (clipper.Step())
    {
        for (int i = clipper.DisplayStart; i < clipper.DisplayEnd; ++i)
            ParameterRow(view.rows[i], i);
    }
    ImGui::EndTable();
}

void Detail(BareView& view)
{
    const bool selected = view.selectedId != nullptr;
    ImGui::Columns(2, nullptr, true);
    ImGui::SetColumnWidth(0, 100.0f);
    Label("Name");
    ImGui::InputText("##detail_name", view.nameInput, sizeof view.nameInput);
    if (selected)
    {
        ImGui::SameLine();
        ImGui::TextUnformatted(view.indexText.c_str());
    }
    ImGui::NextColumn();
    Label("Controls");
    ImGui::Button("Create");
    if (!selected)
    {
        ImGui::Separator();
        ImGui::NextColumn();
        Label("Edit");
        EditRow(false);
        return;
    }
    for (const char* button : { "Rename", "Clone", "Delete", "Generate XML" })
    {
        ImGui::SameLine();
        ImGui::Button(button);
    }
    ImGui::NextColumn();
    Label("Edit");
    EditRow(true);
    // The status line holds its place, empty.
    ImGui::NextColumn();
    Label("Status");
    ImGui::Dummy(ImVec2(ImMax(ImGui::GetContentRegionAvail().x, 1.0f), ImGui::GetTextLineHeight()));

    ImGui::NextColumn();
    Label("Filter");
    ImGui::InputText("##detail_filter_param", view.paramFilter, sizeof view.paramFilter);
    ImGui::SameLine();
    ImGui::PushID("filter");
    ImGui::Button("Clear");
    ImGui::PopID();

    ImGui::NextColumn();
    Label("Apply");
    ImGui::Button("As primary");
    ImGui::SameLine();
    ImGui::Button("As transition");

    ImGui::NextColumn();
    Label("Variable");
    ImGui::InputText("##input", view.varInput, sizeof view.varInput);
    ImGui::SameLine();
    ImGui::Button("Add");
    ImGui::SameLine();
    ImGui::PushID("variable");
    ImGui::Button("Clear");
    ImGui::PopID();

    ImGui::Separator();
    ImGui::Columns(1);
    ParameterTable(view);
}

void DrawWindow(BareView& view)
{
    bool open = true;
    if (ImGui::Begin("Timecycle Editor", &open, ImGuiWindowFlags_HorizontalScrollbar))
    {
        Splitter(view);
        if (ImGui::BeginChild("tree", ImVec2(view.leftPaneWidth, -1.0f), true, 0))
            Browser(view);
        ImGui::EndChild();
        ImGui::SameLine();
        if (ImGui::BeginChild("detail", ImVec2(-1.0f, -1.0f), true, 0))
            Detail(view);
        ImGui::EndChild();
    }
    ImGui::End();
}
}

void OpenBareWindow(BareView& view, const float (&size)[2])
{
    ImGui::NewFrame();
    ImGui::SetNextWindowPos(ImVec2(40.0f, 40.0f), ImGuiCond_Always);
    ImGui::SetNextWindowSize(ImVec2(size[0], size[1]), ImGuiCond_Always);
    DrawWindow(view);
    ImGui::Render();
}

void RunBareFrame(BareView& view)
{
    ImGui::NewFrame();
    DrawWindow(view);
    ImGui::Render();
}
}
