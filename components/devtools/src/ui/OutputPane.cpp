// The pane that shows the generated XML (GenerateModifierXml) for copying,
// by hand or with "Copy".
#include "base/StatusText.h"
#include "editing/EditorState.h"
#include "ui/EditorPanes.h"

#include <imgui.h>

#include <cstring>
#include <string>

namespace tceditor
{
namespace
{
const ImVec4 kRoundedNoteColour(1.0f, 0.7f, 0.3f, 1.0f);
}

void DrawOutputPane(TimecycleEditorState& state)
{
    if (ImGui::BeginChild("output", ImVec2(-1.0f, -1.0f), true, 0))
    {
        if (ImGui::Button("Close", ImVec2(0.0f, 0.0f)))
            state.CloseXmlOutput();
        ImGui::SameLine();
        ImGui::TextUnformatted("Select and copy using CTRL+C");
        // Right under "Close", a row of its own: the whole document as the
        // field shows it.
        if (ImGui::Button("Copy", ImVec2(0.0f, 0.0f)))
        {
            const char* text = state.xmlOutput.c_str();
            ImGui::SetClipboardText(text);
            state.xmlCopyNote = "Copied " + GroupedNumber(std::strlen(text)) + " bytes";
        }
        if (!state.xmlCopyNote.empty())
        {
            ImGui::SameLine();
            ImGui::TextUnformatted(state.xmlCopyNote.c_str());
        }
        // The export keeps three decimals; say when that lost something.
        if (state.xmlRoundedValues > 0)
            ImGui::TextColored(kRoundedNoteColour,
                               "%d %s rounded to three decimals; \"Copy changed\" and \"Copy parameters\" keep them exact",
                               state.xmlRoundedValues, state.xmlRoundedValues == 1 ? "value" : "values");
        ImGui::Separator();
        // Edited in place: the field may change the text but never make it
        // longer than it was generated. The text may end before its buffer
        // when the field shortened it.
        ImGui::InputTextMultiline("##xml_output", state.xmlOutput.data(), state.xmlOutput.size() + 1,
                                  ImVec2(-1.0f, -1.0f), 0, nullptr);
    }
    ImGui::EndChild();
}
}
