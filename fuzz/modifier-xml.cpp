// The XML export over modifiers with any name, user flags and parameter
// values: tinyxml2 must read the document back to the same modifier.
//
// What the format can carry decides what "the same" means:
// - user flags and the parameters' variables are carried exactly;
// - values to three decimals; a NaN comes back as a NaN and an infinity as
//   the same infinity (the text has no room for a NaN's sign or payload);
// - the name only when it is valid UTF-8 made of characters an XML document
//   may hold. Tab, line feed and carriage return are left out as well: XML
//   readers normalise them in attribute values (tinyxml2 turns a carriage
//   return into a line feed), and the printer writes them as they are.
//   Other names must still give a document that reads back with everything
//   else intact.
#include "FuzzCheck.h"

#include "EditorPanes.h"
#include "EditorState.h"

#include <TimecycleControl.h>

#include <fuzzer/FuzzedDataProvider.h>
#include <tinyxml2.h>
#include <utf8.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace
{
constexpr int kMaxParameters = 24;

tcModifier* g_modifier = nullptr;

bool IsCarriedCharacter(uint32_t c)
{
    return (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
}

bool XmlCarries(const std::string& name)
{
    if (!utf8::is_valid(name.begin(), name.end()))
        return false;
    for (auto it = name.begin(); it != name.end();)
        if (!IsCarriedCharacter(utf8::next(it, name.end())))
            return false;
    return true;
}

float FloatFromBits(uint32_t bits)
{
    float value;
    memcpy(&value, &bits, sizeof(value));
    return value;
}

// A value as printed: two numbers separated by one space, nothing else.
bool ReadValues(const char* text, double& value1, double& value2)
{
    char* end = nullptr;
    value1 = strtod(text, &end);
    if (end == text || *end != ' ')
        return false;
    const char* second = end + 1;
    value2 = strtod(second, &end);
    return end != second && *end == '\0';
}

bool SameToThreeDecimals(double read, float value)
{
    if (std::isnan(value))
        return std::isnan(read);
    if (std::isinf(value))
        return read == value;
    // Printing rounds to the nearest thousandth; large values print every
    // digit and read back exactly.
    return std::fabs(read - value) <= 0.0005 + std::fabs(value) * 1e-12;
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

    TimecycleEditorState editor;
    editor.selection.SelectModifier(modifier);
    GenerateModifierXml(editor);

    tinyxml2::XMLDocument document;
    FUZZ_CHECK(document.Parse(editor.xmlPrinter.CStr()) == tinyxml2::XML_SUCCESS);
    const tinyxml2::XMLElement* root = document.RootElement();
    FUZZ_CHECK(root && strcmp(root->Name(), "timecycle_modifier_data") == 0);
    const tinyxml2::XMLElement* element = root->FirstChildElement();
    FUZZ_CHECK(element && strcmp(element->Name(), "modifier") == 0 && !element->NextSiblingElement());

    const char* readName = element->Attribute("name");
    FUZZ_CHECK(readName);
    if (XmlCarries(name))
        FUZZ_CHECK(readName == name);
    FUZZ_CHECK(element->IntAttribute("numMods", -1) == modifier.numMods);
    unsigned readFlags = 0;
    FUZZ_CHECK(element->QueryUnsignedAttribute("userFlags", &readFlags) == tinyxml2::XML_SUCCESS);
    FUZZ_CHECK(readFlags == modifier.userFlags);

    const tinyxml2::XMLElement* parameter = element->FirstChildElement();
    for (int i = 0; i < modifier.numMods; ++i, parameter = parameter->NextSiblingElement())
    {
        const tcModData& entry = modifier.modData[i];
        FUZZ_CHECK(parameter);
        FUZZ_CHECK(strcmp(parameter->Name(),
                          TimecycleManager::GetVarInfoName(*TimecycleManager::GetConfigVarInfo(entry.varId))) == 0);
        double value1 = 0.0;
        double value2 = 0.0;
        FUZZ_CHECK(parameter->GetText() && ReadValues(parameter->GetText(), value1, value2));
        FUZZ_CHECK(SameToThreeDecimals(value1, entry.value1));
        FUZZ_CHECK(SameToThreeDecimals(value2, entry.value2));
    }
    FUZZ_CHECK(!parameter);
    return 0;
}
