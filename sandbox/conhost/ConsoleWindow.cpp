#include "ConsoleWindow.h"

#include <CoreRTConsole.h>
#include <imgui_internal.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <utility>

namespace conhost
{
namespace
{
const ImVec4 kWarningColour(1.0f, 0.72f, 0.3f, 1.0f);
const ImVec4 kEchoColour(0.55f, 0.8f, 1.0f, 1.0f);

// Each channel keeps one colour from a small palette, so that the messages
// of different components stand apart.
ImVec4 ChannelColour(const std::string& channel)
{
    static const ImVec4 palette[] = {
        { 0.85f, 0.85f, 0.85f, 1.0f }, { 0.6f, 0.9f, 0.6f, 1.0f }, { 0.75f, 0.7f, 1.0f, 1.0f },
        { 0.5f, 0.85f, 0.85f, 1.0f },  { 0.95f, 0.6f, 0.8f, 1.0f }, { 0.9f, 0.9f, 0.55f, 1.0f },
    };
    if (channel == "cmd")
        return palette[0];
    uint32_t hash = 2166136261u;
    for (char c : channel)
        hash = (hash ^ uint8_t(c)) * 16777619u;
    return palette[1 + hash % (std::size(palette) - 1)];
}

bool StartsWithIgnoreCase(const std::string& text, std::string_view prefix)
{
    if (text.size() < prefix.size())
        return false;
    for (size_t i = 0; i < prefix.size(); ++i)
        if (std::tolower(uint8_t(text[i])) != std::tolower(uint8_t(prefix[i])))
            return false;
    return true;
}
}

ConsoleWindow& Console()
{
    static ConsoleWindow console;
    return console;
}

std::vector<std::string> ConsoleWindow::TakeTypedLines()
{
    return std::exchange(m_typedLines, {});
}

void ConsoleWindow::AddLine(std::string text, ImVec4 colour)
{
    m_lines.push_back({ std::move(text), colour });
    m_scrollToBottom = true;
}

// Picks up what was printed since the last frame, one output line per text
// line, each with its channel.
void ConsoleWindow::SyncMessages()
{
    const size_t count = corert::ConsoleMessageCount();
    if (count < m_messagesSeen)
        m_messagesSeen = 0;  // the record was cleared
    if (count == m_messagesSeen)
        return;
    for (const corert::ConsoleMessage& message : corert::ConsoleMessagesFrom(m_messagesSeen))
    {
        const ImVec4 colour = message.warning ? kWarningColour : ChannelColour(message.channel);
        const std::string prefix = "[" + message.channel + "] ";
        size_t start = 0;
        while (start < message.text.size())
        {
            size_t end = message.text.find('\n', start);
            if (end == std::string::npos)
                end = message.text.size();
            AddLine(prefix + message.text.substr(start, end - start), colour);
            start = end + 1;
        }
        ++m_messagesSeen;
    }
}

void ConsoleWindow::Draw()
{
    SyncMessages();
    if (!open)
        return;

    Dock();
    if (m_focusWindow)
    {
        ImGui::SetNextWindowFocus();
        m_focusWindow = false;
    }
    if (!ImGui::Begin(kTitle, &open))
    {
        ImGui::End();
        return;
    }
    // A user's drag of the top edge sets the share the console keeps; its
    // position and width stay the display's.
    const ImVec2 size = ImGui::GetWindowSize();
    const float displayHeight = ImGui::GetIO().DisplaySize.y;
    if (size.y != m_dockedSize.y && displayHeight > 0.0f && ImGui::IsMouseDown(ImGuiMouseButton_Left))
        m_heightShare = std::clamp(size.y / displayHeight, 0.1f, 0.9f);

    // The output's height is known before it is drawn: every line with the
    // spacing under it, where low glyphs such as '_' reach, so the last line
    // is never cut. New lines show in the frame they arrive in, scrolled to
    // at once; so do the latest lines after the text changed size.
    const float lineHeight = ImGui::GetTextLineHeightWithSpacing();
    if (lineHeight != m_lineHeight)
    {
        m_lineHeight = lineHeight;
        m_scrollToBottom = true;
    }
    const float height = float(m_lines.size()) * lineHeight;
    ImGui::SetNextWindowContentSize(ImVec2(0.0f, height));
    if (m_scrollToBottom)
        ImGui::SetNextWindowScroll(ImVec2(-1.0f, height));
    const float inputHeight = ImGui::GetFrameHeightWithSpacing();
    if (ImGui::BeginChild("##console_output", ImVec2(0.0f, -inputHeight), false, ImGuiWindowFlags_HorizontalScrollbar))
    {
        ImGuiListClipper clipper;
        clipper.Begin(int(m_lines.size()));
        while (clipper.Step())
            for (int i = clipper.DisplayStart; i < clipper.DisplayEnd; ++i)
            {
                ImGui::PushStyleColor(ImGuiCol_Text, m_lines[size_t(i)].colour);
                ImGui::TextUnformatted(m_lines[size_t(i)].text.c_str());
                ImGui::PopStyleColor();
            }
    }
    m_scrollToBottom = false;
    ImGui::EndChild();

    constexpr ImGuiInputTextFlags kInputFlags = ImGuiInputTextFlags_EnterReturnsTrue |
                                                ImGuiInputTextFlags_CallbackCompletion |
                                                ImGuiInputTextFlags_CallbackHistory;
    ImGui::PushItemWidth(-1.0f);
    if (m_focusInput)
    {
        ImGui::SetKeyboardFocusHere();
        m_focusInput = false;
    }
    HoldCharactersForInput();
    if (ImGui::InputText("##console_input", m_input, sizeof(m_input), kInputFlags, &ConsoleWindow::OnInputEvent, this))
    {
        Submit();
        FocusInput();  // keep typing after Enter
    }
    if (ImGui::IsItemActive())
        m_framesToHoldCharacters = 0;
    ImGui::PopItemWidth();
    ImGui::End();
}

void ConsoleWindow::TakeKeyboard()
{
    m_focusWindow = true;
    FocusInput();
}

void ConsoleWindow::FocusInput()
{
    m_focusInput = true;
    m_framesToHoldCharacters = kFramesToTakeFocus;
}

// The input line takes the keyboard a frame or two after it asks for it
// (after Enter, or as the console opens); what is typed meanwhile waits for
// it, in order, instead of going nowhere.
void ConsoleWindow::HoldCharactersForInput()
{
    ImVector<ImWchar>& typed = ImGui::GetIO().InputQueueCharacters;
    if (m_framesToHoldCharacters > 0)
    {
        --m_framesToHoldCharacters;
        m_heldCharacters.insert(m_heldCharacters.end(), typed.begin(), typed.end());
        typed.resize(0);
    }
    else if (!m_heldCharacters.empty())
    {
        m_heldCharacters.insert(m_heldCharacters.end(), typed.begin(), typed.end());
        typed.resize(0);
        for (ImWchar character : m_heldCharacters)
            typed.push_back(character);
        m_heldCharacters.clear();
    }
}

float ConsoleWindow::DockedHeight() const
{
    if (!open)
        return 0.0f;
    const float displayHeight = ImGui::GetIO().DisplaySize.y;
    return std::min(displayHeight,
                    std::max(ImGui::GetFrameHeightWithSpacing() * 3.0f, std::round(displayHeight * m_heightShare)));
}

// Along the bottom, as wide as the display, at its share of the height.
void ConsoleWindow::Dock()
{
    const ImVec2 display = ImGui::GetIO().DisplaySize;
    const float height = DockedHeight();
    m_dockedSize = ImVec2(display.x, height);
    ImGui::SetNextWindowPos(ImVec2(0.0f, display.y - height), ImGuiCond_Always);
    ImGui::SetNextWindowSize(m_dockedSize, ImGuiCond_Always);
}

void ConsoleWindow::Submit()
{
    std::string line(m_input);
    m_input[0] = '\0';
    m_historyPosition = -1;
    if (line.find_first_not_of(" \t") == std::string::npos)
        return;

    AddLine("> " + line, kEchoColour);
    std::erase(m_history, line);
    m_history.push_back(line);
    m_typedLines.push_back(std::move(line));
}

int ConsoleWindow::OnInputEvent(ImGuiInputTextCallbackData* data)
{
    auto* console = static_cast<ConsoleWindow*>(data->UserData);
    if (data->EventFlag == ImGuiInputTextFlags_CallbackCompletion)
        console->Complete(data);
    else if (data->EventFlag == ImGuiInputTextFlags_CallbackHistory)
        console->BrowseHistory(data);
    return 0;
}

// Completes the word before the cursor: the command name for the first
// word, else the argument from the command's known set. A single match is
// written out with a space after it (a folder with its '/'); several are
// listed and the start they share is filled in.
void ConsoleWindow::Complete(ImGuiInputTextCallbackData* data)
{
    int start = data->CursorPos;
    while (start > 0 && !std::isspace(uint8_t(data->Buf[start - 1])))
        --start;
    const std::string word(data->Buf + start, size_t(data->CursorPos - start));

    std::vector<std::string> before;
    for (const char* c = data->Buf; c < data->Buf + start;)
    {
        while (c < data->Buf + start && std::isspace(uint8_t(*c)))
            ++c;
        const char* end = c;
        while (end < data->Buf + start && !std::isspace(uint8_t(*end)))
            ++end;
        if (end > c)
            before.emplace_back(c, end);
        c = end;
    }

    std::vector<std::string> candidates;
    if (before.empty())
    {
        if (word.empty())
            return;
        // The console's commands; every declared variable has commands of its name.
        candidates = corert::CommandNames();
    }
    else if (argumentCompleter)
        candidates = argumentCompleter(before.front(), before.size() - 1, word);
    if (candidates.empty() && !before.empty())
        return;  // no known set for this argument

    std::vector<std::string> matches;
    for (std::string& name : candidates)
        if (StartsWithIgnoreCase(name, word) && std::find(matches.begin(), matches.end(), name) == matches.end())
            matches.push_back(std::move(name));
    if (matches.empty())
    {
        AddLine("No match for \"" + word + "\".", kEchoColour);
        return;
    }

    std::sort(matches.begin(), matches.end());
    std::string completion = matches.front();
    if (matches.size() == 1)
    {
        if (!completion.ends_with('/'))
            completion += ' ';
    }
    else
    {
        // Cut to the start all matches share.
        for (const std::string& match : matches)
        {
            size_t common = 0;
            while (common < completion.size() && common < match.size() &&
                   std::tolower(uint8_t(completion[common])) == std::tolower(uint8_t(match[common])))
                ++common;
            completion.resize(common);
        }
        ListMatches(matches);
    }
    if (completion.size() < word.size())
        return;
    data->DeleteChars(start, int(word.size()));
    data->InsertChars(start, completion.c_str());
}

// One line of at most kListed matches and how many more there are.
void ConsoleWindow::ListMatches(const std::vector<std::string>& matches)
{
    constexpr size_t kListed = 20;
    std::string list;
    for (size_t i = 0; i < matches.size() && i < kListed; ++i)
        list += (list.empty() ? "" : "  ") + matches[i];
    if (matches.size() > kListed)
        list += "  ... and " + std::to_string(matches.size() - kListed) + " more";
    AddLine("Possible matches: " + list, kEchoColour);
}

// Up and down walk through the lines typed before, newest first; down past
// the newest gives an empty line.
void ConsoleWindow::BrowseHistory(ImGuiInputTextCallbackData* data)
{
    if (m_history.empty())
        return;
    const int newest = int(m_history.size()) - 1;
    if (data->EventKey == ImGuiKey_UpArrow)
        m_historyPosition = m_historyPosition == -1 ? newest : std::max(0, m_historyPosition - 1);
    else if (data->EventKey == ImGuiKey_DownArrow && m_historyPosition != -1)
        m_historyPosition = m_historyPosition == newest ? -1 : m_historyPosition + 1;
    else
        return;

    data->DeleteChars(0, data->BufTextLen);
    if (m_historyPosition != -1)
        data->InsertChars(0, m_history[size_t(m_historyPosition)].c_str());
}
}
