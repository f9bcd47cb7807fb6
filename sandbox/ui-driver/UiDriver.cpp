// The driver's frame loop and what it records while a frame runs: the items
// the hook reports, the texts Dear ImGui's logging hands over, and the
// clipboard.
#include "UiDriver.h"

namespace uidriver
{
namespace
{
const ImVec2 kMinimumDisplaySize(1600.0f, 1000.0f);
constexpr float kFrameTime = 1.0f / 60.0f;

bool Overlaps(const ImRect& a, const ImRect& b)
{
    return a.Min.x <= b.Max.x && b.Min.x <= a.Max.x && a.Min.y <= b.Max.y && b.Min.y <= a.Max.y;
}

// Whether the vertices a widget added since `start` include a background in one
// of the header colours, the way selectable rows and tree nodes show selection.
bool DrewHeaderBackground(const ImDrawList& drawList, int start)
{
    const ImU32 colours[] = { ImGui::GetColorU32(ImGuiCol_Header), ImGui::GetColorU32(ImGuiCol_HeaderHovered),
                              ImGui::GetColorU32(ImGuiCol_HeaderActive) };
    for (int i = start; i < drawList.VtxBuffer.Size; ++i)
        for (ImU32 colour : colours)
            if (drawList.VtxBuffer[i].col == colour)
                return true;
    return false;
}
}

UiDriver::UiDriver(DrawFunction draw, UiContext context)
    : m_draw(std::move(draw))
{
    if (context == UiContext::Own)
    {
        m_context = ImGui::CreateContext();
        m_ownsContext = true;
        ImGui::SetCurrentContext(m_context);
        // No imgui.ini: every run starts from the same layout.
        ImGui::GetIO().IniFilename = nullptr;
    }
    else
    {
        m_context = ImGui::GetCurrentContext();
        if (!m_context)
            throw UiDriverError("UiContext::Current: there is no current Dear ImGui context to drive");
    }

    ImGuiIO& io = ImGui::GetIO();
    if (!io.Fonts->IsBuilt())
    {
        unsigned char* pixels = nullptr;
        int width = 0, height = 0;
        io.Fonts->GetTexDataAsRGBA32(&pixels, &width, &height);
    }
    io.DisplaySize = ImMax(io.DisplaySize, kMinimumDisplaySize);
    io.DeltaTime = kFrameTime;
    // Keys the host left unmapped get indices at the top of KeysDown, away
    // from the key codes a platform backend uses.
    for (int key = 0; key < ImGuiKey_COUNT; ++key)
        if (io.KeyMap[key] < 0)
            io.KeyMap[key] = IM_ARRAYSIZE(io.KeysDown) - ImGuiKey_COUNT + key;

    m_hostGetClipboard = io.GetClipboardTextFn;
    m_hostSetClipboard = io.SetClipboardTextFn;
    m_hostClipboardData = io.ClipboardUserData;
    io.GetClipboardTextFn = &UiDriver::OnGetClipboard;
    io.SetClipboardTextFn = &UiDriver::OnSetClipboard;
    io.ClipboardUserData = this;

    ImGuiSetItemCallback(&UiDriver::OnItem, this);
}

UiDriver::~UiDriver()
{
    ImGui::SetCurrentContext(m_context);
    ImGuiSetItemCallback(nullptr, nullptr);
    if (m_ownsContext)
    {
        ImGui::DestroyContext(m_context);
        return;
    }
    ImGuiIO& io = ImGui::GetIO();
    io.GetClipboardTextFn = m_hostGetClipboard;
    io.SetClipboardTextFn = m_hostSetClipboard;
    io.ClipboardUserData = m_hostClipboardData;
}

void UiDriver::Frame(int count)
{
    if (m_inFrame)
        throw UiDriverError("UiDriver: a frame was started from inside the draw function");
    ImGui::SetCurrentContext(m_context);
    ImGuiIO& io = ImGui::GetIO();
    for (int i = 0; i < count; ++i)
    {
        m_items.clear();
        m_itemVertexStart.clear();
        m_lastItemWithId.clear();
        m_textBlocks.clear();

        ImGui::NewFrame();
        m_inFrame = true;
        CaptureText(nullptr);
        try
        {
            m_draw();
        }
        catch (...)
        {
            // Close what the draw function left open, so that the next frame
            // starts clean.
            ImGui::ErrorCheckEndFrameRecover(nullptr);
            ImGui::Render();
            m_inFrame = false;
            throw;
        }
        ImGui::Render();
        m_inFrame = false;
        ++m_frameCount;

        // The wheel turns for one frame; characters are consumed by the frame.
        io.MouseWheel = 0.0f;
        io.MouseWheelH = 0.0f;
    }
}

void UiDriver::OnItem(const ImGuiItemEvent& event, void* self)
{
    auto& driver = *static_cast<UiDriver*>(self);
    if (!driver.m_inFrame)
        return;  // a frame the host ran itself
    driver.Record(event);
    driver.CaptureText(event.window);
}

void UiDriver::Record(const ImGuiItemEvent& event)
{
    const ImRect rect(event.min, event.max);
    const auto latest = m_lastItemWithId.find(event.id);
    UiItem* sameId = latest != m_lastItemWithId.end() ? &m_items[latest->second] : nullptr;

    if (event.kind == ImGuiItemEvent::Described && sameId)
    {
        sameId->label = event.label ? event.label : "";
        sameId->status = event.statusFlags;
        sameId->highlighted = DrewHeaderBackground(*sameId->window->DrawList, m_itemVertexStart[latest->second]);
        return;
    }
    // A multi-line text field adds itself twice, as field and as child
    // window, over the same rectangle: one widget.
    if (event.kind == ImGuiItemEvent::Added && sameId && sameId->window == event.window &&
        Overlaps(sameId->rect, rect))
    {
        sameId->rect = rect;
        return;
    }

    UiItem item;
    item.id = event.id;
    item.rect = rect;
    item.clipRect = event.window->ClipRect;
    item.itemFlags = event.itemFlags;
    item.window = event.window;
    if (event.kind == ImGuiItemEvent::Added)
    {
        item.idScope = event.idScope;
    }
    else
    {
        // Described without being added first: keep what it said.
        item.label = event.label ? event.label : "";
        item.status = event.statusFlags;
    }
    m_lastItemWithId[event.id] = m_items.size();
    m_items.push_back(std::move(item));
    m_itemVertexStart.push_back(event.window->DrawList->VtxBuffer.Size);
}

// Text capture rides on Dear ImGui's logging to the clipboard: while logging is
// on, every text a widget renders is appended to the log, and the End of a
// top-level window hands the log to the clipboard callback and stops it. The
// driver starts it before the draw function and again at the next item after
// each stop, so every window's text arrives as a block of its own. Logging
// depth 0 keeps tree nodes from opening themselves for the log.
void UiDriver::CaptureText(ImGuiWindow* window)
{
    ImGuiContext& g = *GImGui;
    if (!m_captureTexts)
        return;
    if (!m_capturingText && !g.LogEnabled)
    {
        ImGui::LogToClipboard(0);
        m_capturingText = true;
        m_blockWindow.clear();
    }
    if (m_capturingText && window && m_blockWindow.empty())
        m_blockWindow = window->RootWindow->Name;
}

void UiDriver::OnSetClipboard(void* self, const char* text)
{
    auto& driver = *static_cast<UiDriver*>(self);
    ImGuiContext& g = *GImGui;
    if (driver.m_capturingText && g.LogEnabled && text == g.LogBuffer.c_str())
    {
        // The log of a window that ended: displayed text, not a copy.
        std::string window = driver.m_blockWindow;
        if (window.empty() && g.CurrentWindow)
            window = g.CurrentWindow->RootWindow->Name;
        driver.m_textBlocks.push_back({ std::move(window), text });
        driver.m_capturingText = false;
        return;
    }
    driver.m_clipboard = text;
}

const char* UiDriver::OnGetClipboard(void* self)
{
    return static_cast<UiDriver*>(self)->m_clipboard.c_str();
}

namespace
{
void AppendLines(std::vector<std::string>& lines, std::string_view text)
{
    constexpr std::string_view kBlank = " \t\r";
    while (!text.empty())
    {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        const size_t first = line.find_first_not_of(kBlank);
        if (first == std::string_view::npos)
            continue;
        line = line.substr(first, line.find_last_not_of(kBlank) - first + 1);
        lines.emplace_back(line);
    }
}
}

std::vector<std::string> UiDriver::Texts() const
{
    std::vector<std::string> lines;
    for (const TextBlock& block : m_textBlocks)
        AppendLines(lines, block.text);
    return lines;
}

std::vector<std::string> UiDriver::Texts(std::string_view window) const
{
    std::vector<std::string> lines;
    for (const TextBlock& block : m_textBlocks)
        if (block.window == window)
            AppendLines(lines, block.text);
    return lines;
}
}
