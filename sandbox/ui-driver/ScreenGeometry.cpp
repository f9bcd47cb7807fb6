#include "ScreenGeometry.h"

namespace uidriver
{
ImGuiWindow* WindowAt(ImVec2 point)
{
    // After a frame child windows follow their parents and popups come last,
    // so the list reads back to front in display order.
    ImGuiContext& g = *GImGui;
    for (int i = g.Windows.Size - 1; i >= 0; --i)
    {
        ImGuiWindow* window = g.Windows[i];
        if (!window->Active || window->Hidden || (window->Flags & ImGuiWindowFlags_NoMouseInputs))
            continue;
        if (window->OuterRectClipped.Contains(point))
            return window;
    }
    return nullptr;
}

ImGuiWindow* WheelTargetAt(ImVec2 point)
{
    // The same walk as Dear ImGui's UpdateMouseWheel.
    ImGuiWindow* window = WindowAt(point);
    while (window && (window->Flags & ImGuiWindowFlags_ChildWindow) &&
           (window->ScrollMax.y == 0.0f || (window->Flags & ImGuiWindowFlags_NoScrollWithMouse)))
        window = window->ParentWindow;
    if (window && (window->Flags & (ImGuiWindowFlags_NoScrollWithMouse | ImGuiWindowFlags_NoMouseInputs)))
        return nullptr;
    return window;
}

std::optional<ImVec2> PointIn(const ImRect& area, const std::function<bool(ImVec2)>& accept)
{
    if (area.GetWidth() < 1.0f || area.GetHeight() < 1.0f)
        return std::nullopt;
    // Dear ImGui floors the mouse position; stay a pixel inside the edges.
    const ImRect inner(ImFloor(area.Min) + ImVec2(1, 1), ImFloor(area.Max) - ImVec2(1, 1));
    const ImVec2 centre = ImFloor(area.GetCenter());
    if (accept(centre))
        return centre;
    constexpr int kSteps = 8;
    for (int y = 0; y <= kSteps; ++y)
        for (int x = 0; x <= kSteps; ++x)
        {
            const ImVec2 point = ImFloor(ImLerp(inner.Min, inner.Max, ImVec2(float(x) / kSteps, float(y) / kSteps)));
            if (area.Contains(point) && accept(point))
                return point;
        }
    return std::nullopt;
}
}
