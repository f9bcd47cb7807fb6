// The console window, docked along the bottom of the display: what was
// printed, coloured by channel, and an input line with history and
// completion of command names and arguments. Typed lines wait until the
// frame is over.
#pragma once

#include <imgui.h>

#include <functional>
#include <string>
#include <vector>

namespace conhost
{
class ConsoleWindow
{
public:
    static constexpr const char* kTitle = "Console";

    void Draw();
    // The height it takes along the bottom of the display this frame, 0
    // while closed.
    float DockedHeight() const;
    // The next frame focuses the window and its input line.
    void TakeKeyboard();

    bool open = true;
    // Candidates for a command's arguments (ConHostControl.h).
    std::function<std::vector<std::string>(const std::string& command, size_t index, const std::string& typed)>
        argumentCompleter;

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
    void ListMatches(const std::vector<std::string>& matches);
    void Dock();
    void FocusInput();
    void HoldCharactersForInput();
    void BrowseHistory(ImGuiInputTextCallbackData* data);

    std::vector<Line> m_lines;
    size_t m_messagesSeen = 0;
    bool m_scrollToBottom = true;
    float m_lineHeight = 0.0f;  // the output's line height in the last frame
    bool m_focusInput = true;
    // Characters typed while the input line is taking the keyboard back,
    // for at most a few frames.
    static constexpr int kFramesToTakeFocus = 3;
    int m_framesToHoldCharacters = kFramesToTakeFocus;
    std::vector<ImWchar> m_heldCharacters;
    bool m_focusWindow = false;
    // The console's height as a share of the display's; a drag of its top
    // edge changes it.
    float m_heightShare = 0.34f;
    ImVec2 m_dockedSize;

    char m_input[512] = {};
    std::vector<std::string> m_history;
    int m_historyPosition = -1;  // -1: a new line, not one from the history
    std::vector<std::string> m_typedLines;
};

// The console host's one console window.
ConsoleWindow& Console();
}
