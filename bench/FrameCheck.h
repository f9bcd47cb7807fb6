// Whether two frames show the same: the items Dear ImGui was given, each
// with its rectangle and the text its label shows (not its id: the bare
// frame names its widgets its own way), and the draw lists byte for byte
// (vertices, indices, commands' clip rectangles, textures and counts). Keeps
// the bare frame honest as the editor changes.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace bench
{
struct FrameRecord
{
    std::vector<std::string> items;
    std::vector<unsigned char> drawBytes;
};

// Runs `frame` (NewFrame to Render) in the current context and records it.
FrameRecord RecordFrame(const std::function<void()>& frame);

// Stops the process, telling the first difference, when the two differ.
void CheckSameFrame(const FrameRecord& editor, const FrameRecord& bare, const std::string& view);
}
