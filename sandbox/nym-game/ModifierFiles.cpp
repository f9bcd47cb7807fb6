// Modifier files in the timecycle_modifier_data format that the timecycle
// editor exports: reading them into the manager (tc_load) and writing one
// modifier out (tc_save).
#include "DataFiles.h"
#include "TimecycleStore.h"

#include <fmt/format.h>
#include <tinyxml2.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <vector>

namespace timecycle
{
namespace
{
// "0.500 1.000": exactly two numbers separated by white space.
bool ParseValues(const char* text, float& value1, float& value2)
{
    constexpr std::string_view kSpace = " \t\r\n";
    std::string_view rest = text ? text : "";
    std::string_view words[3];
    int count = 0;
    while (count < 3)
    {
        const size_t start = rest.find_first_not_of(kSpace);
        if (start == std::string_view::npos)
            break;
        rest.remove_prefix(start);
        const size_t end = std::min(rest.find_first_of(kSpace), rest.size());
        words[count++] = rest.substr(0, end);
        rest.remove_prefix(end);
    }
    return count == 2 && ParseFloat(words[0], value1) && ParseFloat(words[1], value2);
}

void LoadModifier(TimecycleStore& store, const tinyxml2::XMLElement& element, ExistingModifiers existing,
                  FileMessages& messages, LoadReport& report)
{
    const int line = element.GetLineNum();
    const char* nameText = element.Attribute("name");
    const std::string name = nameText ? nameText : "";
    if (name.empty())
    {
        messages.Add(line, "modifier without a name; skipped");
        return;
    }
    ModifierRecord* replaced = existing == ExistingModifiers::Replace ? store.FindLive(name) : nullptr;
    if (!replaced && store.FindLive(name))
    {
        messages.Add(line, fmt::format("a modifier named \"{}\" exists already; this one is skipped", name));
        return;
    }

    uint32_t userFlags = 0;
    if (const char* flagsText = element.Attribute("userFlags"); flagsText && !ParseUnsigned(flagsText, userFlags))
    {
        messages.Add(line, fmt::format("modifier \"{}\": userFlags \"{}\" is not an unsigned 32-bit number; using 0", name, flagsText));
        userFlags = 0;
    }

    std::vector<tcModData> params;
    std::vector<bool> given(store.m_varInfos.size());
    int paramElements = 0;
    for (const tinyxml2::XMLElement* child = element.FirstChildElement(); child; child = child->NextSiblingElement())
    {
        ++paramElements;
        const int childLine = child->GetLineNum();
        const int varId = store.FindVariable(child->Name());
        tcModData param{ varId, 0.0f, 0.0f };
        if (varId < 0)
            messages.Add(childLine, fmt::format("modifier \"{}\": unknown variable \"{}\"; parameter skipped", name, child->Name()));
        else if (given[varId])
            messages.Add(childLine, fmt::format("modifier \"{}\": variable \"{}\" given twice; the second one is skipped", name, child->Name()));
        else if (!ParseValues(child->GetText(), param.value1, param.value2))
            messages.Add(childLine, fmt::format("modifier \"{}\": variable \"{}\" needs two numbers; parameter skipped", name, child->Name()));
        else if (params.size() >= TimecycleStore::kMaxParams)
            messages.Add(childLine, fmt::format("modifier \"{}\": more than {} parameters; parameter skipped", name, TimecycleStore::kMaxParams));
        else
        {
            params.push_back(param);
            given[varId] = true;
        }
    }

    // numMods only tells how many parameters were written; a different count
    // means the file was cut or edited by hand.
    if (int numMods = 0; element.QueryIntAttribute("numMods", &numMods) == tinyxml2::XML_SUCCESS && numMods != paramElements)
        messages.Add(line, fmt::format("modifier \"{}\": numMods is {} but it holds {} parameters; loading those", name, numMods, paramElements));

    ModifierRecord* record = replaced ? replaced : store.AddModifier(name);
    if (!record)
    {
        messages.Add(line, fmt::format("modifier \"{}\": the modifier table is full; skipped", name));
        return;
    }
    record->userFlags = userFlags;
    TimecycleStore::SetParams(*record, std::move(params));
    ++(replaced ? report.modifiersReplaced : report.modifiersLoaded);
}

bool WriteWholeFile(const std::string& path, const char* text, size_t size)
{
    // Written beside the target and moved over it, so a failed write never
    // leaves a half file in place of a good one.
    const std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(text, static_cast<std::streamsize>(size));
        out.close();
        if (!out)
        {
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error)
    {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return false;
    }
    return true;
}
}

LoadReport LoadModifierFile(const std::string& path, ExistingModifiers existing)
{
    LoadReport report;
    FileMessages messages(report, path);

    TimecycleStore* store = TimecycleStore::Current();
    if (!store || !store->HasVariables())
    {
        messages.Add(0, "no variable table is loaded; the file is skipped");
        ++report.filesSkipped;
        return report;
    }

    tinyxml2::XMLDocument document;
    tinyxml2::XMLElement* root = ReadDocument(document, messages) ? ExpectRoot(document, "timecycle_modifier_data", messages) : nullptr;
    if (!root)
    {
        ++report.filesSkipped;
        return report;
    }

    for (const tinyxml2::XMLElement* element = root->FirstChildElement(); element; element = element->NextSiblingElement())
    {
        if (std::strcmp(element->Name(), "modifier") == 0)
            LoadModifier(*store, *element, existing, messages, report);
        else
            messages.Add(element->GetLineNum(), fmt::format("unexpected <{}>; skipped", element->Name()));
    }
    return report;
}

LoadReport SaveModifierFile(const std::string& name, const std::string& path)
{
    LoadReport report;
    FileMessages messages(report, path);

    TimecycleStore* store = TimecycleStore::Current();
    ModifierRecord* modifier = store ? store->FindLive(name) : nullptr;
    if (!modifier)
    {
        messages.Add(0, fmt::format("no modifier named \"{}\"; nothing written", name));
        return report;
    }

    // The document the timecycle editor builds for its export, with values
    // that read back exactly.
    tinyxml2::XMLDocument document;
    tinyxml2::XMLElement* root = document.NewElement("timecycle_modifier_data");
    root->SetAttribute("version", "1.000000");
    tinyxml2::XMLElement* element = document.NewElement("modifier");
    element->SetAttribute("name", modifier->name.c_str());
    element->SetAttribute("description", "");
    element->SetAttribute("numMods", static_cast<int>(modifier->numMods));
    element->SetAttribute("userFlags", static_cast<unsigned>(modifier->userFlags));
    for (const tcModData& param : modifier->params)
    {
        tinyxml2::XMLElement* value = document.NewElement(store->VariableName(param.varId)->c_str());
        // Exact: the shortest text that reads back to the same float.
        value->SetText(fmt::format("{} {}", param.value1, param.value2).c_str());
        element->InsertEndChild(value);
    }
    root->InsertEndChild(element);
    document.InsertEndChild(root);

    tinyxml2::XMLPrinter printer;
    printer.PushHeader(false, true);
    document.Print(&printer);

    if (!WriteWholeFile(path, printer.CStr(), static_cast<size_t>(printer.CStrSize() - 1)))
        messages.Add(0, fmt::format("cannot write modifier \"{}\" to the file; it is left as it was", name));
    return report;
}

LoadReport LoadDataFolder(const std::string& folder)
{
    const std::filesystem::path root(folder);
    LoadReport report = LoadVariableTable((root / "variables.xml").string());

    std::vector<std::filesystem::path> files;
    std::error_code error;
    for (std::filesystem::directory_iterator it(root / "modifiers", error), end; !error && it != end; it.increment(error))
    {
        if (it->path().extension() == ".xml")
            files.push_back(it->path());
    }
    if (error)
        FileMessages(report, (root / "modifiers").string())
            .Add(0, "cannot list the modifier folder: " + error.message() +
                        (files.empty() ? "" : "; only the files found so far are loaded"));

    std::sort(files.begin(), files.end());
    for (const auto& file : files)
        Append(report, LoadModifierFile(file.string()));
    return report;
}
}
