// The window's input, frame by frame: every press and every release reaches
// Dear ImGui in a frame of its own, in the order the events came.
#include <InputQueue.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace
{
using sandbox::InputQueue;

SDL_Event Key(Uint32 type, SDL_Scancode key)
{
    SDL_Event event{};
    event.type = type;
    event.key.keysym.scancode = key;
    return event;
}
SDL_Event Text(const char* text)
{
    SDL_Event event{};
    event.type = SDL_TEXTINPUT;
    std::snprintf(event.text.text, sizeof event.text.text, "%s", text);
    return event;
}
SDL_Event Mouse(Uint32 type, int x = 0, int y = 0)
{
    SDL_Event event{};
    event.type = type;
    if (type == SDL_MOUSEMOTION)
    {
        event.motion.x = x;
        event.motion.y = y;
    }
    else
    {
        event.button.button = SDL_BUTTON_LEFT;
        event.button.x = x;
        event.button.y = y;
    }
    return event;
}

// A short name per event: "a+" "a-" for a key's press and release, "'a'"
// for text, "move", "press", "release".
std::string Name(const SDL_Event& event)
{
    switch (event.type)
    {
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        return std::string(SDL_GetScancodeName(event.key.keysym.scancode)) + (event.type == SDL_KEYDOWN ? "+" : "-");
    case SDL_TEXTINPUT:
        return std::string("'") + event.text.text + "'";
    case SDL_MOUSEMOTION:
        return "move";
    case SDL_MOUSEBUTTONDOWN:
        return "press";
    case SDL_MOUSEBUTTONUP:
        return "release";
    default:
        return "other";
    }
}

struct QueueCase
{
    const char* name;
    std::vector<SDL_Event> events;
    std::vector<std::string> frames;  // the events each frame takes, by Name, space-separated
};

class InputQueueCases : public testing::TestWithParam<QueueCase>
{
};

TEST_P(InputQueueCases, EachFrameTakesWhatItCanInOrder)
{
    InputQueue queue;
    for (const SDL_Event& event : GetParam().events)
    {
        ASSERT_TRUE(InputQueue::IsInput(event));
        queue.Push(event);
    }
    std::vector<std::string> frames;
    while (!queue.Empty() && frames.size() < 20)
    {
        std::string frame;
        for (const SDL_Event& event : queue.TakeFrame())
            frame += (frame.empty() ? "" : " ") + Name(event);
        frames.push_back(frame);
    }
    EXPECT_EQ(frames, GetParam().frames);
}

INSTANTIATE_TEST_SUITE_P(
    InputQueue, InputQueueCases,
    testing::Values(
        // Return tapped within one frame: pressed in one, released in the next.
        QueueCase{ "TapOfReturn", { Key(SDL_KEYDOWN, SDL_SCANCODE_RETURN), Key(SDL_KEYUP, SDL_SCANCODE_RETURN) },
                   { "Return+", "Return-" } },
        // Typing: each key's text comes with its press; the next key waits
        // for the release, and the text stays in order with Return.
        QueueCase{ "TypingThenReturn",
                   { Key(SDL_KEYDOWN, SDL_SCANCODE_L), Text("l"), Key(SDL_KEYUP, SDL_SCANCODE_L),
                     Key(SDL_KEYDOWN, SDL_SCANCODE_S), Text("s"), Key(SDL_KEYUP, SDL_SCANCODE_S),
                     Key(SDL_KEYDOWN, SDL_SCANCODE_RETURN), Key(SDL_KEYUP, SDL_SCANCODE_RETURN) },
                   { "L+ 'l'", "L- S+ 's'", "S- Return+", "Return-" } },
        // A chord: Ctrl down, then Z in the next frame while Ctrl is held.
        QueueCase{ "Chord",
                   { Key(SDL_KEYDOWN, SDL_SCANCODE_LCTRL), Key(SDL_KEYDOWN, SDL_SCANCODE_Z),
                     Key(SDL_KEYUP, SDL_SCANCODE_Z), Key(SDL_KEYUP, SDL_SCANCODE_LCTRL) },
                   { "Left Ctrl+", "Z+", "Z- Left Ctrl-" } },
        // Chords tapped at machine speed, Ctrl let go before the key: the
        // key's frame keeps the Ctrl it went down with.
        QueueCase{ "ChordReleasedOutOfOrder",
                   { Key(SDL_KEYDOWN, SDL_SCANCODE_LCTRL), Key(SDL_KEYDOWN, SDL_SCANCODE_Z),
                     Key(SDL_KEYUP, SDL_SCANCODE_LCTRL), Key(SDL_KEYUP, SDL_SCANCODE_Z) },
                   { "Left Ctrl+", "Z+", "Left Ctrl- Z-" } },
        QueueCase{ "ShiftedChordOfTwoModifiers",
                   { Key(SDL_KEYDOWN, SDL_SCANCODE_RCTRL), Key(SDL_KEYDOWN, SDL_SCANCODE_LSHIFT),
                     Key(SDL_KEYDOWN, SDL_SCANCODE_Z), Key(SDL_KEYUP, SDL_SCANCODE_RCTRL),
                     Key(SDL_KEYUP, SDL_SCANCODE_LSHIFT), Key(SDL_KEYUP, SDL_SCANCODE_Z) },
                   { "Right Ctrl+", "Left Shift+", "Z+", "Right Ctrl- Left Shift- Z-" } },
        // A click within one frame: moved there and pressed, then released;
        // moving on waits for the frame after the release.
        QueueCase{ "QuickClick",
                   { Mouse(SDL_MOUSEMOTION, 10, 10), Mouse(SDL_MOUSEBUTTONDOWN, 10, 10),
                     Mouse(SDL_MOUSEBUTTONUP, 10, 10), Mouse(SDL_MOUSEMOTION, 50, 10) },
                   { "move press", "release", "move" } },
        QueueCase{ "DoubleClick",
                   { Mouse(SDL_MOUSEBUTTONDOWN), Mouse(SDL_MOUSEBUTTONUP), Mouse(SDL_MOUSEBUTTONDOWN),
                     Mouse(SDL_MOUSEBUTTONUP) },
                   { "press", "release", "press", "release" } },
        // Motion alone, and text alone, is taken all at once.
        QueueCase{ "MotionAndText",
                   { Mouse(SDL_MOUSEMOTION, 1, 1), Mouse(SDL_MOUSEMOTION, 2, 2), Text("a"), Text("b") },
                   { "move move 'a' 'b'" } }),
    [](const testing::TestParamInfo<QueueCase>& info) { return std::string(info.param.name); });

TEST(InputQueue, TheWindowsOtherEventsAreNotQueued)
{
    SDL_Event resized{};
    resized.type = SDL_WINDOWEVENT;
    resized.window.event = SDL_WINDOWEVENT_SIZE_CHANGED;
    SDL_Event left = resized;
    left.window.event = SDL_WINDOWEVENT_LEAVE;
    SDL_Event quit{};
    quit.type = SDL_QUIT;

    EXPECT_FALSE(InputQueue::IsInput(resized));
    EXPECT_FALSE(InputQueue::IsInput(quit));
    EXPECT_TRUE(InputQueue::IsInput(left)) << "the pointer leaving stays in order with its motion";
}
}
