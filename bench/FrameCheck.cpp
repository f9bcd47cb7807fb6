#include "FrameCheck.h"

#include <ImGuiItemHooks.h>
#include <imgui.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace bench
{
namespace
{
void RecordItem(const ImGuiItemEvent& event, void* record)
{
    char text[512];
    if (event.kind == ImGuiItemEvent::Added)
    {
        snprintf(text, sizeof text, "item");
    }
    else
    {
        // The shown part of the label: what comes before "##".
        const char* label = event.label ? event.label : "";
        const char* hidden = strstr(label, "##");
        snprintf(text, sizeof text, "label \"%.*s\"", int(hidden ? hidden - label : strlen(label)), label);
    }
    const size_t length = strlen(text);
    snprintf(text + length, sizeof text - length, " at (%g, %g)-(%g, %g)", event.min.x, event.min.y, event.max.x,
             event.max.y);
    static_cast<FrameRecord*>(record)->items.push_back(text);
}

void Append(std::vector<unsigned char>& bytes, const void* data, size_t size)
{
    const auto* start = static_cast<const unsigned char*>(data);
    bytes.insert(bytes.end(), start, start + size);
}

std::vector<unsigned char> DrawBytes(const ImDrawData& data)
{
    std::vector<unsigned char> bytes;
    for (int list = 0; list < data.CmdListsCount; ++list)
    {
        const ImDrawList& drawList = *data.CmdLists[list];
        Append(bytes, drawList.VtxBuffer.Data, drawList.VtxBuffer.size_in_bytes());
        Append(bytes, drawList.IdxBuffer.Data, drawList.IdxBuffer.size_in_bytes());
        for (const ImDrawCmd& command : drawList.CmdBuffer)
        {
            Append(bytes, &command.ClipRect, sizeof command.ClipRect);
            Append(bytes, &command.TextureId, sizeof command.TextureId);
            Append(bytes, &command.ElemCount, sizeof command.ElemCount);
        }
    }
    return bytes;
}
}

FrameRecord RecordFrame(const std::function<void()>& frame)
{
    FrameRecord record;
    ImGuiSetItemCallback(&RecordItem, &record);
    frame();
    ImGuiSetItemCallback(nullptr, nullptr);
    record.drawBytes = DrawBytes(*ImGui::GetDrawData());
    return record;
}

void CheckSameFrame(const FrameRecord& editor, const FrameRecord& bare, const std::string& view)
{
    const auto [editorItem, bareItem] =
        std::mismatch(editor.items.begin(), editor.items.end(), bare.items.begin(), bare.items.end());
    if (editorItem == editor.items.end() && bareItem == bare.items.end() && editor.drawBytes == bare.drawBytes)
        return;
    fprintf(stderr, "bench: the bare frame of %s differs from the editor's\n", view.c_str());
    if (editorItem != editor.items.end() || bareItem != bare.items.end())
        fprintf(stderr, "  item %zu: editor %s, bare %s\n", static_cast<size_t>(editorItem - editor.items.begin()),
                editorItem != editor.items.end() ? editorItem->c_str() : "(none)",
                bareItem != bare.items.end() ? bareItem->c_str() : "(none)");
    else
        fprintf(stderr, "  same items; draw lists of %zu and %zu bytes differ from byte %zu\n", editor.drawBytes.size(),
                bare.drawBytes.size(),
                static_cast<size_t>(std::mismatch(editor.drawBytes.begin(), editor.drawBytes.end(), bare.drawBytes.begin(),
                                                  bare.drawBytes.end()).first - editor.drawBytes.begin()));
    exit(1);
}
}
