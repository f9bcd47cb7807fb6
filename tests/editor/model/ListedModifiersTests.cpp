// The browser's rows over a game array larger than one frame's check: every
// change to the array is seen within the frames that cover it, at once when
// the size changes or every row is read, and a row in view whose slot
// changed is never handed out to be drawn.
#include "editing/ListedModifiers.h"

#include <gtest/gtest.h>

#include <functional>
#include <span>
#include <string>
#include <vector>

using namespace tceditor;

namespace
{
// Three frames' worth of slots and then some.
constexpr size_t kSlots = 3 * ListedModifiers::kSlotsCheckedPerFrame + 100;

struct Game
{
    std::vector<tcModifier> modifiers = std::vector<tcModifier>(kSlots + 1);
    std::vector<tcModifier*> slots;
    Game()
    {
        for (size_t i = 0; i < kSlots; ++i)
        {
            modifiers[i].nameHash = uint32_t(i + 1);
            slots.push_back(&modifiers[i]);
        }
    }
};

// Frames until the rows follow the game, at most `frames`; -1 if they do not.
int FramesUntil(ListedModifiers& listed, Game& game, const std::function<bool(std::span<tcModifier* const>)>& seen,
                int frames)
{
    for (int frame = 1; frame <= frames; ++frame)
    {
        if (seen(listed.Update(game.slots, nullptr)))
            return frame;
    }
    return -1;
}

struct SlotChange
{
    const char* name;
    size_t slot;
    bool emptied;  // else a new modifier takes the slot
};
}

TEST(ListedModifiers, ASlotChangedAnywhereIsSeenWithinTheFramesThatCoverTheArray)
{
    const int framesToCover = int(kSlots / ListedModifiers::kSlotsCheckedPerFrame) + 1;
    for (const SlotChange& change : { SlotChange{ "first", 0, true }, SlotChange{ "middle", kSlots / 2, false },
                                      SlotChange{ "last", kSlots - 1, true } })
    {
        SCOPED_TRACE(change.name);
        Game game;
        ListedModifiers listed;
        listed.Update(game.slots, nullptr);
        listed.Update(game.slots, nullptr);
        game.slots[change.slot] = change.emptied ? nullptr : &game.modifiers[kSlots];
        const auto seen = [&](std::span<tcModifier* const> rows) {
            return change.emptied ? rows.size() == kSlots - 1 : rows[change.slot] == &game.modifiers[kSlots];
        };
        EXPECT_GE(FramesUntil(listed, game, seen, framesToCover), 1);
    }
}

TEST(ListedModifiers, ASizeChangeOrAWholeReadIsSeenAtOnce)
{
    Game game;
    ListedModifiers listed;
    listed.Update(game.slots, nullptr);
    game.slots.pop_back();
    EXPECT_EQ(listed.Update(game.slots, nullptr).size(), kSlots - 1);

    game.slots[kSlots / 2] = nullptr;
    EXPECT_EQ(listed.Update(game.slots, nullptr, true).size(), kSlots - 2);
}

TEST(ListedModifiers, ARowWhoseSlotChangedIsNotDrawnAndTheRowsAreCollectedAgain)
{
    Game game;
    ListedModifiers listed;
    listed.Update(game.slots, nullptr);
    ASSERT_EQ(listed.RowToDraw(game.slots, kSlots - 1), &game.modifiers[kSlots - 1]);

    game.slots[kSlots - 1] = &game.modifiers[kSlots];
    listed.Update(game.slots, nullptr);  // this frame's part of the check is elsewhere
    EXPECT_EQ(listed.RowToDraw(game.slots, kSlots - 1), nullptr);
    listed.Update(game.slots, nullptr);
    EXPECT_EQ(listed.RowToDraw(game.slots, kSlots - 1), &game.modifiers[kSlots]);
    EXPECT_EQ(listed.RowToDraw(game.slots, kSlots), nullptr);
}

TEST(ListedModifiers, UnderASearchARenamedRowInViewIsNotDrawn)
{
    Game game;
    NameHashSet filter;
    for (size_t i = 0; i < kSlots; ++i)
        filter.insert(game.modifiers[i].nameHash);
    ListedModifiers listed;
    listed.Update(game.slots, &filter);
    game.modifiers[kSlots - 1].nameHash = 0xdead;
    listed.Update(game.slots, &filter);
    EXPECT_EQ(listed.RowToDraw(game.slots, kSlots - 1), nullptr);
    EXPECT_EQ(listed.Update(game.slots, &filter).size(), kSlots - 1);
}
