// The game's timecycle manager: every operation and rule, on real records.
#include "TimecycleFixture.h"

#include <cstring>
#include <vector>

using timecycle::FindModifier;
using timecycle::HashName;

namespace
{
std::vector<int> VarIds(const tcModifier& modifier)
{
    std::vector<int> ids;
    for (int i = 0; i < modifier.numMods; ++i)
        ids.push_back(modifier.modData[i].varId);
    return ids;
}

std::vector<std::string> LiveNames()
{
    std::vector<std::string> names;
    const tcManager* game = TimecycleManager::GetGameManager();
    for (int i = 0; i < game->modifierCount; ++i)
        names.push_back(TheTimecycleManager->GetTimecycleName(*game->modifiers[i]));
    return names;
}
}

// Reads the records the way a tool does: through the byte positions alone.
TEST_F(TimecycleTest, RecordsSitAtTheGamesBytePositions)
{
    tcModifier& modifier = MakeModifier("bytes", { { kFogStart, 2.0f, 3.0f } });
    modifier.userFlags = 0xA5A5A5A5u;
    const auto* game = reinterpret_cast<const std::byte*>(TimecycleManager::GetGameManager());
    const auto* mod = reinterpret_cast<const std::byte*>(&modifier);

    tcModifier** modifiers;
    uint16_t count;
    std::memcpy(&modifiers, game + 0x40, sizeof(modifiers));
    std::memcpy(&count, game + 0x48, sizeof(count));
    ASSERT_EQ(count, 1);
    EXPECT_EQ(modifiers[0], &modifier);

    tcModData* data;
    uint16_t numMods;
    uint32_t nameHash, userFlags;
    std::memcpy(&data, mod + 0, sizeof(data));
    std::memcpy(&numMods, mod + 8, sizeof(numMods));
    std::memcpy(&nameHash, mod + 0x10, sizeof(nameHash));
    std::memcpy(&userFlags, mod + 0x20, sizeof(userFlags));
    EXPECT_EQ(numMods, 1);
    EXPECT_EQ(nameHash, HashName("bytes"));
    EXPECT_EQ(userFlags, 0xA5A5A5A5u);

    const auto* param = reinterpret_cast<const std::byte*>(data);
    int32_t varId;
    float value1, value2;
    std::memcpy(&varId, param + 0, 4);
    std::memcpy(&value1, param + 4, 4);
    std::memcpy(&value2, param + 8, 4);
    EXPECT_EQ(varId, kFogStart);
    EXPECT_EQ(value1, 2.0f);
    EXPECT_EQ(value2, 3.0f);

    const auto* info = reinterpret_cast<const std::byte*>(TimecycleManager::GetConfigVarInfos());
    float defaultValue;
    std::memcpy(&varId, info + 24 * kFogStart, 4);
    std::memcpy(&defaultValue, info + 24 * kFogStart + 8, 4);
    EXPECT_EQ(varId, kFogStart);
    EXPECT_EQ(defaultValue, 20.0f);

    TimecycleScriptData* script = TimecycleManager::GetScriptData();
    script->transitionIndex = 7;
    script->transitionStrength = 0.25f;
    script->transitionParam = 0.1f;
    const auto* bytes = reinterpret_cast<const std::byte*>(script);
    float strength, rate;
    std::memcpy(&varId, bytes + 8, 4);
    std::memcpy(&strength, bytes + 0xC, 4);
    std::memcpy(&rate, bytes + 0x10, 4);
    EXPECT_EQ(varId, 7);
    EXPECT_EQ(strength, 0.25f);
    EXPECT_EQ(rate, 0.1f);
}

TEST_F(TimecycleTest, VariableTableIsIndexedByVariableId)
{
    ASSERT_EQ(TimecycleManager::GetConfigVarInfoCount(), kVariableCount);
    const tcVarInfo* infos = TimecycleManager::GetConfigVarInfos();
    ASSERT_NE(infos, nullptr);
    for (int id = 0; id < kVariableCount; ++id)
    {
        EXPECT_EQ(infos[id].varId, id);
        EXPECT_EQ(TimecycleManager::GetConfigVarInfo(id), &infos[id]);
    }
    EXPECT_STREQ(TimecycleManager::GetVarInfoName(infos[kSkyZenithR]), "sky_zenith_col_r");
    EXPECT_EQ(infos[kWaterFogDensity].defaultValue, 0.08f);

    EXPECT_EQ(TimecycleManager::GetConfigVarInfo(-1), nullptr);
    EXPECT_EQ(TimecycleManager::GetConfigVarInfo(kVariableCount), nullptr);
    tcVarInfo stray{};
    stray.varId = kVariableCount;
    EXPECT_EQ(TimecycleManager::GetVarInfoName(stray), nullptr);
    stray.varId = -1;
    EXPECT_EQ(TimecycleManager::GetVarInfoName(stray), nullptr);
}

TEST_F(TimecycleTest, FreshManagerHasNoVariablesOrModifiers)
{
    timecycle::ResetManager();
    EXPECT_EQ(TimecycleManager::GetConfigVarInfos(), nullptr);
    EXPECT_EQ(TimecycleManager::GetConfigVarInfoCount(), 0);
    ASSERT_NE(TimecycleManager::GetGameManager(), nullptr);
    EXPECT_EQ(TimecycleManager::GetGameManager()->modifierCount, 0);
    const TimecycleScriptData* script = TimecycleManager::GetScriptData();
    EXPECT_EQ(script->primaryIndex, -1);
    EXPECT_EQ(script->transitionIndex, -1);
    EXPECT_EQ(Manager().GetInteriorModifierOverride(), -1);
    EXPECT_FALSE(Manager().IsInsideInteriorRoom());
    EXPECT_FALSE(Manager().ShouldActivateEditor());
}

TEST_F(TimecycleTest, CreateAppendsAnEmptyModifier)
{
    MakeModifier("first", {});
    tcModifier* created = Manager().CreateTimecycle("second");
    ASSERT_NE(created, nullptr);

    EXPECT_NE(created->modData, nullptr) << "an empty live modifier must not read as removed";
    EXPECT_EQ(created->numMods, 0);
    EXPECT_EQ(created->userFlags, 0u);
    EXPECT_EQ(created->nameHash, HashName("second"));
    EXPECT_EQ(Manager().GetTimecycleName(*created), "second");
    EXPECT_EQ(Manager().GetTimecycleIndex(*created), 1);
    EXPECT_EQ(Manager().GetTimecycleByIndex(1), created);
    EXPECT_EQ(Manager().GetTimecycleByIndex(2), nullptr);
    EXPECT_EQ(FindModifier("second"), created);
    EXPECT_EQ(LiveNames(), (std::vector<std::string>{ "first", "second" }));
}

TEST_F(TimecycleTest, CreateAndCloneRefuseEmptyOrTakenNames)
{
    tcModifier& source = MakeModifier("taken", { { kFogStart, 1.0f, 1.0f } });
    for (const std::string name : { "", "taken" })
    {
        EXPECT_EQ(Manager().CreateTimecycle(name), nullptr) << '"' << name << '"';
        EXPECT_EQ(Manager().CloneTimecycle(source, name), nullptr) << '"' << name << '"';
    }
    EXPECT_EQ(LiveNames(), std::vector<std::string>{ "taken" });
    EXPECT_NE(Manager().CreateTimecycle("Taken"), nullptr) << "names differ by case";
}

TEST_F(TimecycleTest, CloneCopiesParametersAndFlagsIntoItsOwnArray)
{
    tcModifier& source = MakeModifier("source", { { kFogStart, 1.0f, 2.0f }, { kFogDensity, 0.25f, 0.75f } });
    source.userFlags = 9;

    tcModifier* clone = Manager().CloneTimecycle(source, "clone");
    ASSERT_NE(clone, nullptr);
    EXPECT_EQ(Manager().GetTimecycleName(*clone), "clone");
    EXPECT_EQ(clone->nameHash, HashName("clone"));
    EXPECT_EQ(clone->userFlags, 9u);
    ASSERT_EQ(clone->numMods, 2);
    EXPECT_NE(clone->modData, source.modData);
    EXPECT_EQ(VarIds(*clone), VarIds(source));
    EXPECT_EQ(clone->modData[1].value2, 0.75f);

    clone->modData[0].value1 = 42.0f;
    EXPECT_EQ(source.modData[0].value1, 1.0f);
}

TEST_F(TimecycleTest, RenameRecomputesTheHashAndFreesTheOldName)
{
    tcModifier& modifier = MakeModifier("old_name", {});
    const uint32_t oldHash = modifier.nameHash;

    EXPECT_TRUE(Manager().RenameTimecycle(modifier, "new_name"));
    EXPECT_EQ(Manager().GetTimecycleName(modifier), "new_name");
    EXPECT_EQ(modifier.nameHash, HashName("new_name"));
    EXPECT_NE(modifier.nameHash, oldHash);
    EXPECT_EQ(FindModifier("new_name"), &modifier);
    EXPECT_EQ(FindModifier("old_name"), nullptr);
    EXPECT_NE(Manager().CreateTimecycle("old_name"), nullptr);
}

TEST_F(TimecycleTest, RenameRefusesEmptyOrTakenNames)
{
    tcModifier& modifier = MakeModifier("mine", {});
    MakeModifier("other", {});

    EXPECT_FALSE(Manager().RenameTimecycle(modifier, "other"));
    EXPECT_FALSE(Manager().RenameTimecycle(modifier, ""));
    EXPECT_EQ(Manager().GetTimecycleName(modifier), "mine");
    EXPECT_EQ(modifier.nameHash, HashName("mine"));
    EXPECT_TRUE(Manager().RenameTimecycle(modifier, "mine")) << "its own name is not taken by another";
}

TEST_F(TimecycleTest, ForcedHashCollisionKeepsModifiersApartAndRenameRepairsIt)
{
    tcModifier& a = MakeModifier("alpha", {});
    tcModifier& b = MakeModifier("beta", {});
    timecycle::ForceNameHash(b, a.nameHash);
    EXPECT_EQ(a.nameHash, b.nameHash);

    EXPECT_EQ(FindModifier("alpha"), &a);
    EXPECT_EQ(FindModifier("beta"), &b);
    EXPECT_TRUE(Manager().AddTimecycleModData(b, "fog_start"));
    EXPECT_EQ(a.numMods, 0);

    EXPECT_TRUE(Manager().RenameTimecycle(b, "gamma"));
    EXPECT_EQ(b.nameHash, HashName("gamma"));
    EXPECT_NE(b.nameHash, a.nameHash);
}

TEST_F(TimecycleTest, RemoveLeavesAReadableTombstone)
{
    MakeModifier("a", {});
    tcModifier& removed = MakeModifier("b", { { kFogStart, 1.0f, 1.0f } });
    tcModifier& after = MakeModifier("c", {});
    Manager().EnsureTimecycleBackup(removed);

    Manager().RemoveTimecycle(removed);

    EXPECT_EQ(removed.modData, nullptr);
    EXPECT_EQ(removed.numMods, 0);
    EXPECT_EQ(Manager().GetTimecycleName(removed), "b");
    EXPECT_EQ(Manager().GetTimecycleIndex(removed), -1);
    EXPECT_EQ(LiveNames(), (std::vector<std::string>{ "a", "c" }));
    EXPECT_EQ(Manager().GetTimecycleIndex(after), 1);
    EXPECT_EQ(Manager().GetTimecycleByIndex(1), &after);
    EXPECT_EQ(FindModifier("b"), nullptr);

    // Nothing acts on a tombstone, and removing it again changes nothing.
    EXPECT_FALSE(Manager().AddTimecycleModData(removed, "fog_density"));
    EXPECT_FALSE(Manager().RemoveTimecycleModData(removed, "fog_start"));
    EXPECT_EQ(Manager().GetTimecycleModData(removed, kFogStart), nullptr);
    EXPECT_FALSE(Manager().DoesTimecycleHasModData(removed, "fog", true));
    EXPECT_FALSE(Manager().RenameTimecycle(removed, "renamed"));
    EXPECT_EQ(Manager().CloneTimecycle(removed, "clone"), nullptr);
    EXPECT_FALSE(timecycle::RestoreBackup(removed));
    Manager().EnsureTimecycleBackup(removed);
    Manager().RemoveTimecycle(removed);
    EXPECT_EQ(removed.modData, nullptr);
    EXPECT_EQ(LiveNames(), (std::vector<std::string>{ "a", "c" }));

    // The name is free again, and the tombstone stays what it was.
    tcModifier* reused = Manager().CreateTimecycle("b");
    ASSERT_NE(reused, nullptr);
    EXPECT_NE(reused, &removed);
    EXPECT_EQ(removed.modData, nullptr);
}

TEST_F(TimecycleTest, RemoveKeepsScriptIndicesOnTheirModifiers)
{
    struct Case
    {
        const char* what;
        int index;
        int expected;
    };
    const Case cases[] = {
        { "before the removed one", 0, 0 },
        { "the removed one", 1, -1 },
        { "after the removed one", 2, 1 },
        { "none", -1, -1 },
    };
    for (const Case& c : cases)
    {
        timecycle::ResetManager();
        timecycle::LoadVariableTable(PathOf("variables.xml"));
        MakeModifier("a", {});
        tcModifier& b = MakeModifier("b", {});
        MakeModifier("c", {});
        TimecycleScriptData* script = TimecycleManager::GetScriptData();
        script->primaryIndex = c.index;
        script->transitionIndex = c.index;
        Manager().SetInteriorModifierOverride(c.index);

        Manager().RemoveTimecycle(b);

        EXPECT_EQ(script->primaryIndex, c.expected) << c.what;
        EXPECT_EQ(script->transitionIndex, c.expected) << c.what;
        EXPECT_EQ(Manager().GetInteriorModifierOverride(), c.expected) << c.what;
    }
}

TEST_F(TimecycleTest, AddUsesTheDefaultInBothValues)
{
    tcModifier& modifier = MakeModifier("m", {});
    EXPECT_TRUE(Manager().AddTimecycleModData(modifier, "fog_start"));
    EXPECT_TRUE(Manager().AddTimecycleModData(modifier, "water_fog_density"));

    ASSERT_EQ(modifier.numMods, 2);
    EXPECT_EQ(VarIds(modifier), (std::vector<int>{ kFogStart, kWaterFogDensity }));
    EXPECT_EQ(modifier.modData[0].value1, 20.0f);
    EXPECT_EQ(modifier.modData[0].value2, 20.0f);
    EXPECT_EQ(modifier.modData[1].value1, 0.08f);
    EXPECT_EQ(modifier.modData[1].value2, 0.08f);
}

TEST_F(TimecycleTest, AddOfAnExistingParameterKeepsItsValues)
{
    tcModifier& modifier = MakeModifier("m", { { kFogStart, 5.0f, 6.0f } });
    EXPECT_TRUE(Manager().AddTimecycleModData(modifier, "fog_start"));
    ASSERT_EQ(modifier.numMods, 1);
    EXPECT_EQ(modifier.modData[0].value1, 5.0f);
    EXPECT_EQ(modifier.modData[0].value2, 6.0f);
}

TEST_F(TimecycleTest, AddOfAnUnknownVariableFails)
{
    tcModifier& modifier = MakeModifier("m", { { kFogStart, 5.0f, 6.0f } });
    for (const std::string name : { "", "no_such_var", "FOG_START", "fog_start " })
        EXPECT_FALSE(Manager().AddTimecycleModData(modifier, name)) << '"' << name << '"';
    EXPECT_EQ(modifier.numMods, 1);
}

TEST_F(TimecycleTest, RemoveParameterByNameOrEntry)
{
    tcModifier& modifier = MakeModifier("m", { { kLightDirMult, 1, 1 }, { kFogStart, 2, 2 }, { kGradeSaturation, 3, 3 } });

    EXPECT_TRUE(Manager().RemoveTimecycleModData(modifier, "fog_start"));
    EXPECT_EQ(VarIds(modifier), (std::vector<int>{ kLightDirMult, kGradeSaturation }));
    EXPECT_FALSE(Manager().RemoveTimecycleModData(modifier, "fog_start"));
    EXPECT_FALSE(Manager().RemoveTimecycleModData(modifier, "no_such_var"));

    const tcModData absent{ kFogDensity, 0, 0 };
    EXPECT_FALSE(Manager().RemoveTimecycleModData(modifier, absent));
    // The modifier's own live entry, whose storage the removal rewrites.
    EXPECT_TRUE(Manager().RemoveTimecycleModData(modifier, modifier.modData[0]));
    EXPECT_EQ(VarIds(modifier), std::vector<int>{ kGradeSaturation });
    EXPECT_EQ(modifier.modData[0].value1, 3.0f);
    EXPECT_NE(modifier.modData, nullptr);
}

TEST_F(TimecycleTest, GetModDataReturnsTheLiveEntry)
{
    tcModifier& modifier = MakeModifier("m", { { kFogStart, 2, 2 }, { kSkyZenithR, 0.5f, 0.5f } });
    tcModData* entry = Manager().GetTimecycleModData(modifier, kSkyZenithR);
    ASSERT_EQ(entry, &modifier.modData[1]);
    entry->value2 = 0.9f;
    EXPECT_EQ(modifier.modData[1].value2, 0.9f);
    EXPECT_EQ(Manager().GetTimecycleModData(modifier, kFogDensity), nullptr);
    EXPECT_EQ(Manager().GetTimecycleModData(modifier, -1), nullptr);
}

TEST_F(TimecycleTest, ArraysStayPutWhileOtherModifiersChange)
{
    tcModifier& kept = MakeModifier("kept", { { kFogStart, 2, 2 } });
    const tcModData* array = kept.modData;
    tcModifier& other = MakeModifier("other", { { kFogStart, 2, 2 } });
    for (int i = 0; i < 200; ++i)
        Manager().CreateTimecycle("filler_" + std::to_string(i));
    Manager().AddTimecycleModData(other, "fog_density");
    Manager().RemoveTimecycle(other);

    EXPECT_EQ(kept.modData, array);
    EXPECT_EQ(Manager().GetTimecycleByIndex(0), &kept);
}

TEST_F(TimecycleTest, HasModDataMatchesNamesPartlyOrExactly)
{
    tcModifier& modifier = MakeModifier("m", { { kFogDensity, 1, 1 }, { kSkyZenithR, 1, 1 } });
    struct Case
    {
        const char* query;
        bool partial;
        bool expected;
    };
    const Case cases[] = {
        { "fog", true, true },
        { "FOG_Dens", true, true },
        { "col_r", true, true },
        { "zenith", true, true },
        { "water", true, false },
        { "", true, false },
        { "fog_density", false, true },
        { "sky_zenith_col_r", false, true },
        { "FOG_DENSITY", false, false },
        { "fog", false, false },
        { "", false, false },
    };
    for (const Case& c : cases)
        EXPECT_EQ(Manager().DoesTimecycleHasModData(modifier, c.query, c.partial), c.expected) << '"' << c.query << "\" partial " << c.partial;
}

TEST_F(TimecycleTest, BackupIsTakenOnceAndRestores)
{
    tcModifier& modifier = MakeModifier("m", { { kFogStart, 2, 3 }, { kFogDensity, 0.1f, 0.2f } });
    modifier.userFlags = 4;
    EXPECT_FALSE(timecycle::HasBackup(modifier));
    EXPECT_FALSE(timecycle::RestoreBackup(modifier));

    Manager().EnsureTimecycleBackup(modifier);
    EXPECT_TRUE(timecycle::HasBackup(modifier));

    Manager().GetTimecycleModData(modifier, kFogStart)->value1 = 99.0f;
    Manager().RemoveTimecycleModData(modifier, "fog_density");
    Manager().AddTimecycleModData(modifier, "grade_saturation");
    modifier.userFlags = 0;
    Manager().EnsureTimecycleBackup(modifier); // keeps the first copy

    ASSERT_TRUE(timecycle::RestoreBackup(modifier));
    EXPECT_EQ(modifier.userFlags, 4u);
    EXPECT_EQ(VarIds(modifier), (std::vector<int>{ kFogStart, kFogDensity }));
    EXPECT_EQ(modifier.modData[0].value1, 2.0f);
    EXPECT_EQ(modifier.modData[0].value2, 3.0f);
    EXPECT_EQ(modifier.modData[1].value2, 0.2f);

    // The backup survives a restore and a rename.
    Manager().GetTimecycleModData(modifier, kFogStart)->value1 = 7.0f;
    ASSERT_TRUE(Manager().RenameTimecycle(modifier, "m2"));
    ASSERT_TRUE(timecycle::RestoreBackup(modifier));
    EXPECT_EQ(modifier.modData[0].value1, 2.0f);
}

TEST_F(TimecycleTest, GameStateIsSettableFromOutside)
{
    Manager().SetInteriorModifierOverride(3);
    EXPECT_EQ(Manager().GetInteriorModifierOverride(), 3);
    Manager().SetInteriorModifierOverride(-1);
    EXPECT_EQ(Manager().GetInteriorModifierOverride(), -1);

    timecycle::SetInsideInteriorRoom(true);
    EXPECT_TRUE(Manager().IsInsideInteriorRoom());
    timecycle::SetInsideInteriorRoom(false);
    EXPECT_FALSE(Manager().IsInsideInteriorRoom());

    Manager().SetActivateEditor(true);
    EXPECT_TRUE(Manager().ShouldActivateEditor());
    Manager().SetActivateEditor(false);
    EXPECT_FALSE(Manager().ShouldActivateEditor());

    TimecycleScriptData* script = TimecycleManager::GetScriptData();
    *script = { 2, 0.5f, 1, 0.25f, 0.1f };
    const TimecycleScriptData* again = TimecycleManager::GetScriptData();
    EXPECT_EQ(again->primaryIndex, 2);
    EXPECT_EQ(again->primaryStrength, 0.5f);
    EXPECT_EQ(again->transitionParam, 0.1f);
}

TEST_F(TimecycleTest, EffectiveValueBlendsDefaultsAndAppliedModifiers)
{
    // fog_start defaults to 20; "a" is index 0, "b" index 1, "c" index 2.
    MakeModifier("a", { { kFogStart, 40, 100 } });
    MakeModifier("b", { { kFogStart, 0, 60 } });
    MakeModifier("c", { { kFogDensity, 1, 1 } });

    struct Case
    {
        const char* what;
        TimecycleScriptData script;
        int interior;
        bool inside;
        float expected;
    };
    const Case cases[] = {
        { "nothing applied", { -1, 1, -1, 0, 0 }, -1, false, 20 },
        { "primary full", { 0, 1, -1, 0, 0 }, -1, false, 40 },
        { "primary half", { 0, 0.5f, -1, 0, 0 }, -1, false, 30 },
        { "primary overshoot", { 0, 2, -1, 0, 0 }, -1, false, 60 },
        { "primary without the parameter", { 2, 1, -1, 0, 0 }, -1, false, 20 },
        { "primary index names nothing", { 9, 1, -1, 0, 0 }, -1, false, 20 },
        { "transition after primary", { 0, 1, 1, 0.25f, 0 }, -1, false, 30 },
        { "transition at zero", { 0, 1, 1, 0, 0.1f }, -1, false, 40 },
        { "transition alone", { -1, 1, 1, 0.5f, 0 }, -1, false, 10 },
        { "interior override outdoors", { -1, 1, -1, 0, 0 }, 1, false, 20 },
        { "interior override indoors uses value2", { -1, 1, -1, 0, 0 }, 1, true, 60 },
        { "indoors, primary uses value2", { 0, 0.5f, -1, 0, 0 }, -1, true, 60 },
        { "indoors, override after primary", { 0, 1, -1, 0, 0 }, 1, true, 60 },
        { "indoors, override names nothing", { 0, 1, -1, 0, 0 }, 7, true, 100 },
    };
    for (const Case& c : cases)
    {
        *TimecycleManager::GetScriptData() = c.script;
        Manager().SetInteriorModifierOverride(c.interior);
        timecycle::SetInsideInteriorRoom(c.inside);
        const std::optional<float> value = timecycle::EffectiveValue(kFogStart);
        ASSERT_TRUE(value.has_value()) << c.what;
        EXPECT_FLOAT_EQ(*value, c.expected) << c.what;
    }

    EXPECT_FALSE(timecycle::EffectiveValue(-1).has_value());
    EXPECT_FALSE(timecycle::EffectiveValue(kVariableCount).has_value());
}

TEST_F(TimecycleTest, TransitionFadesInAtItsRate)
{
    MakeModifier("a", {});
    TimecycleScriptData* script = TimecycleManager::GetScriptData();

    *script = { -1, 1, -1, 0, 0.1f };
    EXPECT_FALSE(timecycle::AdvanceTransition(2.0f));
    EXPECT_EQ(script->transitionStrength, 0.0f) << "no transition modifier";

    *script = { -1, 1, 0, 0, 0.1f };
    EXPECT_TRUE(timecycle::AdvanceTransition(2.0f));
    EXPECT_FLOAT_EQ(script->transitionStrength, 0.2f);
    timecycle::AdvanceTransition(20.0f);
    EXPECT_EQ(script->transitionStrength, 1.0f);
    EXPECT_FALSE(timecycle::AdvanceTransition(1.0f)) << "at full strength the picture stays";

    script->transitionParam = -0.5f;
    timecycle::AdvanceTransition(1.0f);
    EXPECT_FLOAT_EQ(script->transitionStrength, 0.5f);
    timecycle::AdvanceTransition(10.0f);
    EXPECT_EQ(script->transitionStrength, 0.0f);

    script->transitionStrength = 3.0f;
    script->transitionParam = 0.1f;
    EXPECT_FALSE(timecycle::AdvanceTransition(1.0f));
    EXPECT_EQ(script->transitionStrength, 3.0f) << "an overshoot set by a script stays";
}

TEST_F(TimecycleTest, NameHashIsJenkinsOneAtATime)
{
    // Known values of the one-at-a-time hash.
    EXPECT_EQ(HashName(""), 0u);
    EXPECT_EQ(HashName("a"), 0xca2e9442u);
    EXPECT_EQ(HashName("The quick brown fox jumps over the lazy dog"), 0x519e91f5u);
}

// modifierCount is 16 bits wide: the array stops at 65535 rather than wrap.
TEST_F(TimecycleTest, ModifierArrayStopsAtItsCountLimit)
{
    for (int i = 0; i < 65535; ++i)
        ASSERT_NE(Manager().CreateTimecycle("m" + std::to_string(i)), nullptr) << i;
    EXPECT_EQ(TimecycleManager::GetGameManager()->modifierCount, 65535);

    EXPECT_EQ(Manager().CreateTimecycle("one_more"), nullptr);
    EXPECT_EQ(Manager().CloneTimecycle(*Manager().GetTimecycleByIndex(0), "one_more"), nullptr);
    const std::string path = WriteFile("more.xml", "<?xml version=\"1.0\"?>\n<timecycle_modifier_data version=\"1.000000\">\n"
                                                   "    <modifier name=\"one_more\" description=\"\" numMods=\"0\" userFlags=\"0\"/>\n"
                                                   "</timecycle_modifier_data>\n");
    const timecycle::LoadReport report = timecycle::LoadModifierFile(path);
    ASSERT_EQ(report.messages.size(), 1u);
    EXPECT_EQ(report.messages[0].line, 3);
    EXPECT_NE(report.messages[0].text.find("table is full"), std::string::npos);
    EXPECT_EQ(TimecycleManager::GetGameManager()->modifierCount, 65535);

    Manager().RemoveTimecycle(*Manager().GetTimecycleByIndex(100));
    EXPECT_NE(Manager().CreateTimecycle("one_more"), nullptr);
}
