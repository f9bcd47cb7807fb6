#include "PanelFixture.h"

#include <cctype>
#include <ostream>
#include <string>
#include <vector>

using ::testing::AllOf;
using ::testing::HasSubstr;

TEST_F(UiDriverPanel, TypeAddsToTheEndOfTheField)
{
    ui.Type(kPanel, "##name", "_more");
    EXPECT_STREQ(panel.name, "start_more");
}

TEST_F(UiDriverPanel, SetTextReplacesTheField)
{
    ui.SetText(kPanel, "##name", "my_mod");
    EXPECT_STREQ(panel.name, "my_mod");
    ui.SetText(kPanel, "##name", "");
    EXPECT_STREQ(panel.name, "");
}

TEST_F(UiDriverPanel, TypesUtf8CharacterByCharacter)
{
    ui.SetText(kPanel, "##name", "grün ✓ 日本");
    EXPECT_STREQ(panel.name, "grün ✓ 日本");
}

TEST_F(UiDriverPanel, EnterSubmitsTheField)
{
    ui.SetText(kPanel, "##name", "hello");
    EXPECT_EQ(panel.namesEntered, 0);
    ui.Key("enter");
    EXPECT_EQ(panel.namesEntered, 1);
    EXPECT_NE(GImGui->ActiveId, ui.Find(kPanel, "##name").id);
}

TEST_F(UiDriverPanel, TypingIntoSomethingThatIsNotATextFieldFails)
{
    const std::string message = ErrorOf([&] { ui.Type(kPanel, "Create", "x"); });
    EXPECT_THAT(message, AllOf(HasSubstr("\"Create\""), HasSubstr("did not take the keyboard")));
}

TEST_F(UiDriverPanel, CtrlACtrlCCopiesTheFieldToTheCapturedClipboard)
{
    ui.SetText(kPanel, "##name", "copy me");
    ui.Key("ctrl+a");
    ui.Key("ctrl+c");
    EXPECT_EQ(ui.Clipboard(), "copy me");
}

TEST_F(UiDriverPanel, CtrlACtrlCCopiesAMultiLineField)
{
    ui.Click(kPanel, "##notes");
    ui.Key("ctrl+a");
    ui.Key("ctrl+c");
    EXPECT_EQ(ui.Clipboard(), "first line\nsecond line");
}

TEST_F(UiDriverPanel, CtrlVPastesTheClipboard)
{
    ui.SetClipboard("pasted");
    ui.Click(kPanel, "##name");
    ui.Key("ctrl+a");
    ui.Key("ctrl+v");
    EXPECT_STREQ(panel.name, "pasted");
}

// Keys pressed in the name field after "hello" was typed into it (it held
// "start" when it took the keyboard).
struct KeysCase
{
    std::vector<const char*> keys;
    const char* expected;
};

void PrintTo(const KeysCase& keysCase, std::ostream* out)
{
    *out << '"' << keysCase.expected << '"';
}

class UiDriverKeysInField : public UiDriverPanel, public ::testing::WithParamInterface<KeysCase>
{
};

TEST_P(UiDriverKeysInField, EditTheText)
{
    ui.SetText(kPanel, "##name", "hello");
    for (const char* key : GetParam().keys)
        ui.Key(key);
    EXPECT_STREQ(panel.name, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Keys, UiDriverKeysInField,
                         ::testing::Values(KeysCase{ { "backspace" }, "hell" },
                                           KeysCase{ { "home", "delete" }, "ello" },
                                           KeysCase{ { "left", "left", "backspace" }, "helo" },
                                           KeysCase{ { "shift+home", "delete" }, "" },
                                           KeysCase{ { "ctrl+a", "ctrl+x" }, "" },
                                           KeysCase{ { "ctrl+z" }, "hell" },  // undoes the last character typed
                                           KeysCase{ { "escape" }, "start" }),
                         [](const ::testing::TestParamInfo<KeysCase>& info) {
                             // Stable names: the keys pressed, e.g. "left_left_backspace".
                             std::string name;
                             for (const std::string key : info.param.keys)
                             {
                                 if (!name.empty())
                                     name += '_';
                                 for (char c : key)
                                     name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             }
                             return name + "_" + std::to_string(info.index);
                         });

TEST_F(UiDriverPanel, CtrlXCutsToTheClipboard)
{
    ui.SetText(kPanel, "##name", "cut me");
    ui.Key("ctrl+a");
    ui.Key("ctrl+x");
    EXPECT_EQ(ui.Clipboard(), "cut me");
    EXPECT_STREQ(panel.name, "");
}

class UiDriverBadChord : public UiDriverPanel, public ::testing::WithParamInterface<const char*>
{
};

TEST_P(UiDriverBadChord, IsRefusedByName)
{
    const std::string message = ErrorOf([&] { ui.Key(GetParam()); });
    EXPECT_THAT(message, AllOf(HasSubstr(GetParam()), HasSubstr("keys: tab")));
}

INSTANTIATE_TEST_SUITE_P(Chords, UiDriverBadChord, ::testing::Values("ctrl+q", "hyper+a", "ctrl+", "", "f5"));
