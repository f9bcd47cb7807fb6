#include "PasteDocument.h"

#include "BenchGame.h"

#include "documents/ModifierDocument.h"
#include "editing/ModifierDocumentOfGame.h"
#include "game/LiveTimecycle.h"

#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <vector>

using namespace tceditor;

namespace bench
{
const PasteDocument& PasteDocumentOf(int count)
{
    static std::map<int, PasteDocument> documents;
    const int dataCount = LoadData();
    if (auto found = documents.find(count); found != documents.end())
        return found->second;

    std::vector<DocumentModifier> modifiers;
    for (int i = 0; i < count; ++i)
    {
        modifiers.push_back(DocumentOfModifier(LiveGame(), *LiveGame().GetTimecycleByIndex(unsigned(i % dataCount))));
        modifiers.back().name = "pasted_" + std::to_string(i);
    }
    // Other runs may share the temporary folder: the file's name is this run's.
    const std::string file =
        "vesk-bench-paste-" + std::to_string(count) + "-" + std::to_string(std::random_device{}()) + ".xml";
    PasteDocument made{ ModifierDocumentText(modifiers), (std::filesystem::temp_directory_path() / file).string() };
    std::ofstream(made.path, std::ios::binary) << made.text;
    return documents.emplace(count, std::move(made)).first->second;
}

void RemovePasted(int dataCount)
{
    GameTimecycle& game = LiveGame();
    while (game.Modifiers().size() > size_t(dataCount))
        game.RemoveTimecycle(*game.Modifiers().back());
}
}
