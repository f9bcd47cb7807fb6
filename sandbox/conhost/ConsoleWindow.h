// The console window: what was printed, coloured by channel, and an input
// line with history and completion of command and variable names. Typed
// lines wait until the frame is over.
#pragma once

#include <imgui.h>

#include <string>
#include <vector>

namespace conhost
{
class ConsoleWindow
{
public:
    static constexpr const char* kTitle = "Console";

    void Draw();

    bool open = true;

    // Lines typed since the last call, in order.
    std::vector<std::string> TakeTypedLines();

private:
    struct Line
    {
        std::string text;
        ImVec4 colour;
    };

    void SyncMessages();
    void AddLine(std::string text, ImVec4 colour);
    void Submit();
    static int OnInputEvent(ImGuiInputTextCallbackData* data);
    void Complete(ImGuiInputTextCallbackData* data);
    void BrowseHistory(ImGuiInputTextCallbackData* data);

    std::vector<Line> m_lines;
    size_t m_messagesSeen = 0;
    bool m_scrollToBottom = true;
    bool m_focusInput = true;

    char m_input[512] = {};
    std::vector<std::string> m_history;
    int m_historyPosition = -1;  // -1: a new line, not one from the history
    std::vector<std::string> m_typedLines;
};

// The console host's one console window.
ConsoleWindow& Console();
}
