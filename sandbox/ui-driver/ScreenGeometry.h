// Where the mouse lands: which window Dear ImGui would take as hovered at a
// point, and which one a wheel turned there would scroll. Both read the
// window list as the last frame left it.
#pragma once

#include "imgui_internal.h"

#include <functional>
#include <optional>

namespace uidriver
{
// Front-most window under `point` that takes mouse input, as Dear ImGui's own
// hover test picks it.
ImGuiWindow* WindowAt(ImVec2 point);

// The window a mouse wheel turned at `point` scrolls vertically: the hovered
// window, or its first ancestor that can scroll.
ImGuiWindow* WheelTargetAt(ImVec2 point);

// A whole-pixel point of `area` that passes `accept`: the centre first, then a
// grid over the area.
std::optional<ImVec2> PointIn(const ImRect& area, const std::function<bool(ImVec2)>& accept);
}
