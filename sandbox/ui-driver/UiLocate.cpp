// Finding widgets: matching labels among the last frame's items, scrolling a
// widget into view, paging through scrolled lists for rows not drawn yet, and
// the failure messages that say what was there instead.
#include "UiDriver.h"

#include "ScreenGeometry.h"

#include <algorithm>
#include <cstdio>

namespace uidriver
{
namespace
{
// Frames a search may spend scrolling before it gives up.
constexpr int kMaxSearchFrames = 1000;
constexpr int kMaxScrollIntoViewFrames = 20;
constexpr int kMaxSettleFrames = 3;

std::string Quoted(std::string_view text)
{
    return "\"" + std::string(text) + "\"";
}

bool LabelMatches(const UiItem& item, std::string_view query)
{
    if (!item.label.empty())
    {
        const std::string_view label = item.label;
        const std::string_view visible = item.VisibleLabel();
        const size_t hashes = label.find("##");
        if (label == query || (!visible.empty() && visible == query))
            return true;
        if (hashes != std::string_view::npos && query.starts_with("##") && label.substr(hashes) == query)
            return true;
    }
    // Widgets that never describe themselves are known by the string their id
    // was hashed from, e.g. a splitter's "##Splitter".
    return !query.empty() && ImHashStr(query.data(), query.size(), item.idScope) == item.id;
}

std::string Describe(const UiItem& item)
{
    char where[96];
    std::snprintf(where, sizeof where, "id 0x%08X at (%.0f,%.0f)-(%.0f,%.0f)", item.id, item.rect.Min.x, item.rect.Min.y,
                  item.rect.Max.x, item.rect.Max.y);
    return (item.label.empty() ? std::string("unlabelled item") : Quoted(item.label)) + " (" + where + " in window " +
           Quoted(item.WindowName()) + ")";
}

// A window sizes itself and measures its content over the first frames it is
// drawn: until then its scroll range is not known.
bool Settling(std::string_view name)
{
    for (const ImGuiWindow* window : GImGui->Windows)
        if (window->Active && (window->Appearing || window->Hidden) && window->RootWindow->Name == name)
            return true;
    return false;
}

bool WindowDrawn(std::string_view name)
{
    const ImGuiWindow* window = ImGui::FindWindowByName(std::string(name).c_str());
    return window && window->Active;
}

// What the last frame drew, window by window: the labels (the first
// kListedLabels of them, so that a long list stays readable), and how many
// more items had one or none.
std::string Inventory(const std::vector<UiItem>& items)
{
    constexpr int kListedLabels = 20;
    std::vector<const ImGuiWindow*> windows;
    for (const ImGuiWindow* window : GImGui->Windows)
        if (window->Active)
            windows.push_back(window);

    std::string text = "The last frame drew:";
    int listed = 0;
    for (const ImGuiWindow* window : windows)
    {
        std::string labels;
        int unlabelled = 0;
        int unlisted = 0;
        for (const UiItem& item : items)
        {
            if (item.window != window)
                continue;
            if (item.label.empty())
                ++unlabelled;
            else if (listed == kListedLabels)
                ++unlisted;
            else
            {
                labels += (labels.empty() ? "" : ", ") + Quoted(item.label);
                ++listed;
            }
        }
        text += "\n  window " + Quoted(window->Name) + ": " +
                (labels.empty() && unlisted == 0 ? "no labelled widgets" : labels);
        if (unlisted > 0)
            text += (labels.empty() ? "" : ", ") + std::string("and ") + std::to_string(unlisted) + " more labelled";
        if (unlabelled > 0)
            text += " (and " + std::to_string(unlabelled) + " unlabelled)";
    }
    if (windows.empty())
        text += " no window";
    return text;
}

ImRect VisiblePart(const UiItem& item)
{
    ImRect visible = item.rect;
    visible.ClipWithFull(item.clipRect);
    return visible;
}
}

std::string_view UiItem::VisibleLabel() const
{
    return std::string_view(label).substr(0, label.find("##"));
}

const char* UiItem::WindowName() const
{
    return window ? window->Name : "";
}

const char* UiItem::TopWindowName() const
{
    if (!window)
        return "";
    // A popup (a context menu) belongs to the window that opened it.
    const ImGuiWindow* top = window->RootWindow;
    while ((top->Flags & ImGuiWindowFlags_Popup) && top->ParentWindow)
        top = top->ParentWindow->RootWindow;
    return top->Name;
}

bool UiItem::InView() const
{
    if (!window || !window->Active || window->Hidden)
        return false;
    const ImRect visible = VisiblePart(*this);
    const float middle = rect.GetCenter().y;
    return visible.GetWidth() > 0.0f && visible.GetHeight() > 0.0f && middle >= clipRect.Min.y && middle < clipRect.Max.y;
}

std::vector<const UiItem*> UiDriver::Matches(std::string_view window, std::string_view label) const
{
    std::vector<const UiItem*> matches;
    for (const UiItem& item : m_items)
        if (item.TopWindowName() == window && LabelMatches(item, label))
            matches.push_back(&item);
    return matches;
}

bool UiDriver::Exists(std::string_view window, std::string_view label) const
{
    return !Matches(window, label).empty();
}

UiItem UiDriver::Find(std::string_view window, std::string_view label, int index)
{
    return Locate(window, label, index, false);
}

const UiItem* UiDriver::Latest(const UiItem& item) const
{
    for (const UiItem& candidate : m_items)
        if (candidate.id == item.id && candidate.window == item.window)
            return &candidate;
    return nullptr;
}

namespace
{
// Dear ImGui gives a modal popup all the input: a widget of a window below
// it cannot be reached, however much of it shows.
void RefuseUnderModal(const UiItem& target)
{
    if (ImGuiWindow* modal = ImGui::GetTopMostPopupModal();
        modal && target.window && !ImGui::IsWindowChildOf(target.window->RootWindow, modal, true))
        throw UiDriverError(Describe(target) + " is under the modal popup " + Quoted(modal->Name) +
                            ", which takes every click until it is answered");
}
}

UiItem UiDriver::Locate(std::string_view window, std::string_view label, int index, bool intoView)
{
    const std::string wanted = Quoted(label) + (index == kUnique ? "" : " #" + std::to_string(index)) +
                               " in window " + Quoted(window);
    if (index < kUnique)
        throw UiDriverError("widget " + wanted + ": an index counts from 0");
    if (m_frameCount == 0)
        Frame();
    ListSearch search;
    int settleFrames = 0;
    int scrollFrames = 0;
    for (int frames = 0; frames < kMaxSearchFrames; ++frames)
    {
        if (Settling(window) && settleFrames++ < kMaxSettleFrames)
        {
            Frame();
            continue;
        }
        const std::vector<const UiItem*> matches = Matches(window, label);
        if (index == kUnique && matches.size() > 1)
        {
            std::string message = "widget " + wanted + " is ambiguous: " + std::to_string(matches.size()) + " widgets match:";
            for (const UiItem* match : matches)
                message += "\n  " + Describe(*match);
            throw UiDriverError(message + "\nPass the index of the one meant (0 for the first drawn).");
        }
        const size_t position = index == kUnique ? 0 : size_t(index);

        if (position < matches.size())
        {
            const UiItem& item = *matches[position];
            if (intoView)
                RefuseUnderModal(item);
            if (!intoView || item.InView())
                return item;
            if (++scrollFrames > kMaxScrollIntoViewFrames)
                throw UiDriverError("widget " + wanted + " could not be scrolled into view: " + Describe(item) +
                                    " lies outside its window's visible region, and no window scrolls it there");
            // A window whose content just grew learns its new scroll range
            // on the next frame.
            if (!ScrollTowards(item))
                Frame();
            continue;
        }

        if (!WindowDrawn(window))
            throw UiDriverError("widget " + wanted + " not found: the window is not drawn.\n" + Inventory(m_items));
        if (!ScrollFurther(window, search))
            break;
    }
    const size_t found = Matches(window, label).size();
    throw UiDriverError("widget " + wanted + " not found" +
                        (found > 0 ? " (" + std::to_string(found) + " match, fewer than the index asks for)" : "") +
                        (search.started ? ", not even further down its scrolled lists" : "") + ".\n" + Inventory(m_items));
}

bool UiDriver::ScrollTowards(const UiItem& item)
{
    // The innermost window whose view the item lies outside and that can
    // still scroll that way; a child window may itself be scrolled out of its
    // parent's view.
    const float middle = item.rect.GetCenter().y;
    for (ImGuiWindow* window = item.window; window;
         window = (window->Flags & ImGuiWindowFlags_ChildWindow) ? window->ParentWindow : nullptr)
    {
        const ImRect& view = window->InnerRect;
        const bool above = middle < view.Min.y && window->Scroll.y > 0.0f;
        const bool below = middle >= view.Max.y && window->Scroll.y < window->ScrollMax.y;
        if (above || below)
        {
            Wheel(window, middle - view.GetCenter().y);
            return true;
        }
    }
    return false;
}

bool UiDriver::ScrollFurther(std::string_view window, ListSearch& search)
{
    if (!search.started)
    {
        search.started = true;
        for (ImGuiWindow* candidate : GImGui->Windows)
            if (candidate->Active && !candidate->Hidden && candidate->RootWindow->Name == window &&
                candidate->ScrollMax.y > 0.0f)
                search.windows.push_back(candidate);
        // Child windows follow their parents in the list: innermost first.
        std::reverse(search.windows.begin(), search.windows.end());
    }
    // Down to the end of each list, then back up to its top.
    while (!search.windows.empty())
    {
        ImGuiWindow* list = search.windows.front();
        const bool canMove = search.goingUp ? list->Scroll.y > 0.0f : list->Scroll.y < list->ScrollMax.y;
        if (canMove)
        {
            const float before = list->Scroll.y;
            const float page = list->InnerRect.GetHeight() * 0.8f;
            Wheel(list, search.goingUp ? -page : page);
            if (list->Scroll.y != before)
                return true;
        }
        if (!search.goingUp)
        {
            search.goingUp = true;
            continue;
        }
        search.windows.erase(search.windows.begin());
        search.goingUp = false;
    }
    return false;
}

// Turns the wheel over `window` by as many notches as move its content up by
// `distance` pixels (down when negative), for one frame.
void UiDriver::Wheel(ImGuiWindow* window, float distance)
{
    const auto point = PointIn(window->InnerClipRect, [&](ImVec2 p) { return WheelTargetAt(p) == window; });
    if (!point)
        throw UiDriverError("window " + Quoted(window->Name) + " cannot be scrolled with the mouse wheel: nothing of it shows");
    // Dear ImGui scrolls this far per notch.
    const float step = ImMax(1.0f, ImFloor(ImMin(5.0f * window->CalcFontSize(), window->InnerRect.GetHeight() * 0.67f)));
    // A user pauses between scrolls: no wheel lock left on another window.
    GImGui->WheelingWindow = nullptr;
    ImGuiIO& io = ImGui::GetIO();
    io.MousePos = *point;
    io.MouseWheel = -distance / step;
    Frame();
}

UiItem UiDriver::MoveOnto(const UiItem& target)
{
    RefuseUnderModal(target);
    UiItem item = target;
    const auto onItem = [&](ImVec2 point) {
        const ImGuiWindow* hovered = WindowAt(point);
        // A widget that is a child window (a multi-line text field) is hovered
        // through that child.
        return hovered == item.window || (hovered && hovered->ChildId == item.id && hovered->ParentWindow == item.window);
    };
    for (int attempt = 0; attempt < 3; ++attempt)
    {
        const ImRect visible = VisiblePart(item);
        const auto point = PointIn(visible, onItem);
        if (!point)
        {
            const ImGuiWindow* cover = WindowAt(visible.GetCenter());
            throw UiDriverError(Describe(item) + " is covered by window " + Quoted(cover ? cover->Name : "(none)"));
        }
        ImGui::GetIO().MousePos = *point;
        Frame();
        const UiItem* now = Latest(item);
        if (!now)
            throw UiDriverError(Describe(item) + " disappeared when the mouse moved onto it.\n" + Inventory(m_items));
        item = *now;
        if (VisiblePart(item).Contains(*point))
            return item;
    }
    throw UiDriverError(Describe(item) + " keeps moving away from the mouse");
}
}
