// Setting a colour editor: a colour dropped on it from outside Dear ImGui, the
// way a swatch dragged onto it delivers its colour.
#include "UiDriver.h"

#include <algorithm>
#include <string>
#include <vector>

namespace uidriver
{
void UiDriver::DropColour(std::string_view window, std::string_view label, const float (&rgb)[3], int index)
{
    if (m_frameCount == 0)
        Frame();
    // The editor's parts (its drags, its swatch) are drawn in the id scope of
    // its label, right inside its window.
    std::vector<UiItem> editors;
    for (const UiItem& item : m_items)
    {
        if (std::string_view(item.TopWindowName()) != window || !item.window ||
            item.idScope != ImHashStr(label.data(), label.size(), item.window->ID))
            continue;
        const bool known = std::any_of(editors.begin(), editors.end(),
                                       [&](const UiItem& editor) { return editor.idScope == item.idScope; });
        if (!known)
            editors.push_back(item);
    }
    const std::string wanted = "colour editor \"" + std::string(label) + "\" in window \"" + std::string(window) + "\"";
    if (editors.empty())
        throw UiDriverError(wanted + " not found in the last frame");
    if (index == kUnique && editors.size() > 1)
        throw UiDriverError(wanted + ": " + std::to_string(editors.size()) + " match, give an index");
    const size_t chosen = index == kUnique ? 0 : static_cast<size_t>(index);
    if (chosen >= editors.size())
        throw UiDriverError(wanted + " #" + std::to_string(index) + ": only " + std::to_string(editors.size()));
    MoveOnto(editors[chosen]);

    // The source is submitted every frame of the drop: the editor accepts it
    // in the first and, the mouse being up, takes it in the second.
    DrawFunction draw = m_draw;
    m_draw = [&draw, &rgb] {
        if (ImGui::BeginDragDropSource(ImGuiDragDropFlags_SourceExtern | ImGuiDragDropFlags_SourceNoPreviewTooltip))
        {
            ImGui::SetDragDropPayload(IMGUI_PAYLOAD_TYPE_COLOR_3F, rgb, sizeof rgb, ImGuiCond_Always);
            ImGui::EndDragDropSource();
        }
        draw();
    };
    try
    {
        Frame(2);
    }
    catch (...)
    {
        m_draw = std::move(draw);
        throw;
    }
    m_draw = std::move(draw);
    Frame();
}
}
