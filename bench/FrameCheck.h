// Whether two frames show the same: the items Dear ImGui was given, each
// with its id or label and its rectangle, and a checksum of the draw lists
// (vertices, indices, clip rectangles, textures). Keeps the bare frame honest
// as the editor changes.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace bench
{
struct FrameRecord
{
    std::vector<std::string> items;
    uint64_t drawChecksum = 0;
};

// Runs `frame` (NewFrame to Render) in the current context and records it.
FrameRecord RecordFrame(const std::function<void()>& frame);

// Stops the process, telling the first difference, when the two differ.
void CheckSameFrame(const FrameRecord& editor, const FrameRecord& bare, const std::string& view);
}
