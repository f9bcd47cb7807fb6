#include "FrameCheck.h"

#include <ImGuiItemHooks.h>
#include <imgui.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace bench
{
namespace
{
void RecordItem(const ImGuiItemEvent& event, void* record)
{
    char text[512];
    if (event.kind == ImGuiItemEvent::Added)
        snprintf(text, sizeof text, "item %08x", event.id);
    else
        snprintf(text, sizeof text, "label \"%s\"", event.label ? event.label : "");
    const size_t length = strlen(text);
    snprintf(text + length, sizeof text - length, " at (%g, %g)-(%g, %g)", event.min.x, event.min.y, event.max.x,
             event.max.y);
    static_cast<FrameRecord*>(record)->items.push_back(text);
}

// FNV-1a.
void Mix(uint64_t& sum, const void* data, size_t size)
{
    const auto* bytes = static_cast<const unsigned char*>(data);
    for (size_t i = 0; i < size; ++i)
        sum = (sum ^ bytes[i]) * 0x100000001b3ull;
}

uint64_t DrawChecksum(const ImDrawData& data)
{
    uint64_t sum = 0xcbf29ce484222325ull;
    for (int list = 0; list < data.CmdListsCount; ++list)
    {
        const ImDrawList& drawList = *data.CmdLists[list];
        Mix(sum, drawList.VtxBuffer.Data, drawList.VtxBuffer.size_in_bytes());
        Mix(sum, drawList.IdxBuffer.Data, drawList.IdxBuffer.size_in_bytes());
        for (const ImDrawCmd& command : drawList.CmdBuffer)
        {
            Mix(sum, &command.ClipRect, sizeof command.ClipRect);
            Mix(sum, &command.TextureId, sizeof command.TextureId);
            Mix(sum, &command.ElemCount, sizeof command.ElemCount);
        }
    }
    return sum;
}
}

FrameRecord RecordFrame(const std::function<void()>& frame)
{
    FrameRecord record;
    ImGuiSetItemCallback(&RecordItem, &record);
    frame();
    ImGuiSetItemCallback(nullptr, nullptr);
    record.drawChecksum = DrawChecksum(*ImGui::GetDrawData());
    return record;
}

void CheckSameFrame(const FrameRecord& editor, const FrameRecord& bare, const std::string& view)
{
    const auto [editorItem, bareItem] =
        std::mismatch(editor.items.begin(), editor.items.end(), bare.items.begin(), bare.items.end());
    if (editorItem == editor.items.end() && bareItem == bare.items.end() && editor.drawChecksum == bare.drawChecksum)
        return;
    fprintf(stderr, "bench: the bare frame of %s differs from the editor's\n", view.c_str());
    if (editorItem != editor.items.end() || bareItem != bare.items.end())
        fprintf(stderr, "  item %zu: editor %s, bare %s\n", static_cast<size_t>(editorItem - editor.items.begin()),
                editorItem != editor.items.end() ? editorItem->c_str() : "(none)",
                bareItem != bare.items.end() ? bareItem->c_str() : "(none)");
    else
        fprintf(stderr, "  same items, draw lists differ\n");
    exit(1);
}
}
