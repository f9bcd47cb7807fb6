// The console window drawn in frames of its own, in the sandbox's font: the
// last line keeps its low glyphs ('_' reaches below the text's height, into
// the spacing under the line), and after the text changes size the latest
// lines show.
#include <ConHostControl.h>
#include <ConsolePrint.h>
#include <UiDriver.h>

#include <imgui.h>
#include <imgui_internal.h>

#include <gtest/gtest.h>

#include <cmath>
#include <string_view>

namespace
{
// The console's output, a child window of "Console".
ImGuiWindow* ConsoleOutput()
{
    for (ImGuiWindow* window : ImGui::GetCurrentContext()->Windows)
        if (std::string_view(window->Name).starts_with("Console/##console_output"))
            return window;
    return nullptr;
}

// How far the lowest glyph the window drew reaches below what it shows, in
// pixels; 0 or less when every glyph shows whole at the bottom.
float LowestGlyphCut(const ImGuiWindow& window)
{
    const ImVec2 white = ImGui::GetIO().Fonts->TexUvWhitePixel;
    const ImDrawList& list = *window.DrawList;
    float cut = -1.0f;
    for (const ImDrawCmd& command : list.CmdBuffer)
        for (unsigned i = command.IdxOffset; i < command.IdxOffset + command.ElemCount; ++i)
        {
            const ImDrawVert& vertex = list.VtxBuffer[list.IdxBuffer[int(i)]];
            if (vertex.uv.x != white.x || vertex.uv.y != white.y)
                cut = ImMax(cut, vertex.pos.y - command.ClipRect.w);
        }
    return cut;
}

// The font and the style at a scale, as the sandbox's display sets them.
void ApplyScale(float scale)
{
    ImGuiIO& io = ImGui::GetIO();
    io.Fonts->Clear();
    ASSERT_NE(io.Fonts->AddFontFromFileTTF(VESK_UI_FONT, std::round(13.0f * scale)), nullptr);
    io.Fonts->Build();
    ImGuiStyle style;
    ImGui::StyleColorsDark(&style);
    style.ScaleAllSizes(scale);
    ImGui::GetStyle() = style;
}

TEST(ConsoleWindow, TheLastLineShowsWholeAndTheLatestLinesShowAfterTheTextChangesSize)
{
    uidriver::UiDriver ui([] { conhost::DrawGui(false); });
    ui.CaptureTexts(false);
    ApplyScale(1.0f);
    conhost::SetConsoleOpen(true);

    for (int i = 0; i < 80; ++i)
        Printf("console_test", "line_%02d_under_score\n", i);
    ui.Frame(3);
    ImGuiWindow* output = ConsoleOutput();
    ASSERT_NE(output, nullptr);
    ASSERT_GT(output->ScrollMax.y, 0.0f);
    EXPECT_EQ(output->Scroll.y, output->ScrollMax.y) << "at the latest lines";
    EXPECT_LE(LowestGlyphCut(*output), 0.0f) << "the last line's underscores are cut off";

    // Scrolled back to the first lines, then the text grows.
    ImGui::SetScrollY(output, 0.0f);
    ui.Frame(2);
    ASSERT_EQ(output->Scroll.y, 0.0f);
    ApplyScale(1.25f);
    ui.Frame(2);
    EXPECT_GT(output->Scroll.y, 0.0f);
    EXPECT_EQ(output->Scroll.y, output->ScrollMax.y) << "at the latest lines";
    EXPECT_LE(LowestGlyphCut(*output), 0.0f);
}
}
