// The XML export over modifiers with any name, user flags and parameter
// values: the document is well-formed, tinyxml2 reads it, and reading it as
// a pasted document gives back the same modifier.
//
// What the format carries decides what "the same" means:
// - the name and the user flags exactly; in the document the name is as it
//   is, or escaped when XML cannot hold it;
// - the parameters' variables in order, their values to three decimals;
// - a parameter whose value is not finite is left out (the game's loader
//   refuses such a value), while numMods still counts it.
#include "FuzzCheck.h"

#include "base/XmlText.h"
#include "documents/ModifierDocument.h"
#include "editing/EditorState.h"
#include "game/LiveTimecycle.h"
#include "ui/EditorPanes.h"

#include <TimecycleControl.h>

#include <fuzzer/FuzzedDataProvider.h>
#include <tinyxml2.h>

#include <cmath>
#include <cstring>
#include <string>

using namespace tceditor;

namespace
{
constexpr int kMaxParameters = 24;

tcModifier* g_modifier = nullptr;

float FloatFromBits(uint32_t bits)
{
    float value;
    memcpy(&value, &bits, sizeof(value));
    return value;
}

bool SameToThreeDecimals(float read, float value)
{
    // Printing rounds to the nearest thousandth; large values print every
    // digit and read back exactly.
    return std::fabs(static_cast<double>(read) - value) <= 0.0005 + std::fabs(value) * 1e-6;
}

void ClearParameters(tcModifier& modifier)
{
    while (modifier.numMods > 0)
    {
        const tcModData first = modifier.modData[0];
        FUZZ_CHECK(TheTimecycleManager->RemoveTimecycleModData(modifier, first));
    }
}
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    timecycle::ResetManager();
    const timecycle::LoadReport report = timecycle::LoadVariableTable(VESK_VARIABLE_TABLE);
    FUZZ_CHECK(report.variablesLoaded > 0);
    g_modifier = TheTimecycleManager->CreateTimecycle("fuzzed");
    FUZZ_CHECK(g_modifier);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    tcModifier& modifier = *g_modifier;

    ClearParameters(modifier);
    modifier.userFlags = input.ConsumeIntegral<uint32_t>();
    const int parameters = input.ConsumeIntegralInRange(0, kMaxParameters);
    const int variables = TimecycleManager::GetConfigVarInfoCount();
    for (int i = 0; i < parameters; ++i)
    {
        const int varId = input.ConsumeIntegralInRange(0, variables - 1);
        const float value1 = FloatFromBits(input.ConsumeIntegral<uint32_t>());
        const float value2 = FloatFromBits(input.ConsumeIntegral<uint32_t>());
        const char* varName = TimecycleManager::GetVarInfoName(*TimecycleManager::GetConfigVarInfo(varId));
        FUZZ_CHECK(TheTimecycleManager->AddTimecycleModData(modifier, varName));
        tcModData* entry = TheTimecycleManager->GetTimecycleModData(modifier, varId);
        FUZZ_CHECK(entry);
        entry->value1 = value1;
        entry->value2 = value2;
    }
    // A modifier's name is never empty.
    const std::string name = input.ConsumeRemainingBytesAsString();
    if (!TheTimecycleManager->RenameTimecycle(modifier, name))
    {
        FUZZ_CHECK(name.empty());
        return 0;
    }

    TimecycleEditorState editor{ LiveGame() };
    editor.Select(modifier);
    GenerateModifierXml(editor);

    const std::string text = editor.xmlOutput.c_str();

    tinyxml2::XMLDocument document;
    FUZZ_CHECK(document.Parse(text.c_str()) == tinyxml2::XML_SUCCESS);
    const tinyxml2::XMLElement* root = document.RootElement();
    FUZZ_CHECK(root && strcmp(root->Name(), "timecycle_modifier_data") == 0);
    const tinyxml2::XMLElement* element = root->FirstChildElement();
    FUZZ_CHECK(element && strcmp(element->Name(), "modifier") == 0 && !element->NextSiblingElement());
    const char* writtenName = element->Attribute("name");
    FUZZ_CHECK(writtenName && writtenName == (NameNeedsEscape(name) ? EscapeName(name) : name));
    FUZZ_CHECK(element->IntAttribute("numMods", -1) == modifier.numMods);

    const DocumentReading reading = ReadModifierDocument(text);
    FUZZ_CHECK(reading.error.empty() && reading.modifiers.size() == 1);
    // An escaped name is read through its escape, and the reading says so.
    FUZZ_CHECK(reading.notes.size() == (NameNeedsEscape(name) ? 1u : 0u));
    const DocumentModifier& read = reading.modifiers[0];
    FUZZ_CHECK(read.name == name);
    FUZZ_CHECK(read.userFlags == modifier.userFlags);

    size_t next = 0;
    for (int i = 0; i < modifier.numMods; ++i)
    {
        const tcModData& entry = modifier.modData[i];
        if (!std::isfinite(entry.value1) || !std::isfinite(entry.value2))
            continue;
        FUZZ_CHECK(next < read.parameters.size());
        const DocumentParameter& parameter = read.parameters[next++];
        FUZZ_CHECK(parameter.variable ==
                   TimecycleManager::GetVarInfoName(*TimecycleManager::GetConfigVarInfo(entry.varId)));
        FUZZ_CHECK(SameToThreeDecimals(parameter.value1, entry.value1));
        FUZZ_CHECK(SameToThreeDecimals(parameter.value2, entry.value2));
    }
    FUZZ_CHECK(next == read.parameters.size());
    return 0;
}
