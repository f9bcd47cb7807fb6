// The browser's search: rebuilding the filter over games of different sizes,
// and the name test against glibc's strcasestr.
#include "BenchGame.h"

#include "editing/EditorState.h"
#include "editing/ModifierSearch.h"
#include "game/LiveTimecycle.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

using namespace tceditor;

namespace
{
// A word of a name, as the name test meets it once typing has gone on.
constexpr const char* kWord = "Night";

void RebuildNameFilter(benchmark::State& state)
{
    bench::LoadGame(static_cast<int>(state.range(0)));
    TimecycleEditorState editor{ LiveGame() };
    CopyToTextBuffer(editor.searchName, bench::kFilterQuery);

    for (auto _ : state)
        RebuildFilter(editor);
}

// The names of a game of 1000 modifiers.
const std::vector<std::string>& ModifierNames()
{
    static const std::vector<std::string> names = [] {
        bench::LoadGame(1000);
        std::vector<std::string> result;
        tcManager& manager = *TimecycleManager::GetGameManager();
        for (unsigned i = 0; i < manager.modifierCount; ++i)
            result.push_back(TheTimecycleManager->GetTimecycleName(*manager.modifiers[i]));
        return result;
    }();
    return names;
}

template<typename Search>
void SearchNames(benchmark::State& state, Search search)
{
    const std::vector<std::string>& names = ModifierNames();
    for (auto _ : state)
    {
        int found = 0;
        for (const std::string& name : names)
            found += search(name.c_str(), kWord) != nullptr;
        benchmark::DoNotOptimize(found);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(names.size()));
}

void ContainsIgnoreCaseNames(benchmark::State& state)
{
    SearchNames(state, ContainsIgnoreCase);
}

void StrcasestrNames(benchmark::State& state)
{
    SearchNames(state, [](const char* text, const char* query) -> const char* { return strcasestr(text, query); });
}
}

BENCHMARK(RebuildNameFilter)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(ContainsIgnoreCaseNames)->Unit(benchmark::kMicrosecond);
BENCHMARK(StrcasestrNames)->Unit(benchmark::kMicrosecond);
