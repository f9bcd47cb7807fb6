// Writing modifiers in the export's format: the declaration, the root
// "timecycle_modifier_data", then per modifier a "modifier" element with its
// name, an empty description, numMods and userFlags, and one child element
// per parameter holding "value1 value2", exactly or to three decimals.
#include "base/FloatText.h"
#include "base/Text.h"
#include "base/XmlText.h"
#include "documents/ModifierDocument.h"

#include <Utils.h>

#include <tinyxml2.h>

#include <charconv>
#include <cmath>
#include <string_view>

namespace tceditor
{
namespace
{
// Why a parameter cannot be written as an element; null when it can.
const char* ParameterProblem(const DocumentParameter& parameter)
{
    if (!IsXmlElementName(parameter.variable))
        return "its variable name cannot be an element name";
    if (!std::isfinite(parameter.value1) || !std::isfinite(parameter.value2))
        return "its value is not a finite number";
    return nullptr;
}

void PrintComment(tinyxml2::XMLPrinter& printer, const std::vector<DocumentNameList>& lists)
{
    std::string text = "\n";
    for (const DocumentNameList& list : lists)
    {
        if (list.names.empty())
            continue;
        if (!list.heading.empty())
            text += "    " + NameForComment(list.heading) + "\n";
        for (size_t i = 0; i < list.names.size(); ++i)
        {
            text += "    " + NameForComment(list.names[i]);
            if (i < list.newNames.size())
                text += " -> " + NameForComment(list.newNames[i]);
            text += "\n";
        }
    }
    if (text.size() > 1)
        printer.PushComment(text.c_str());
}

std::string ValuesText(const DocumentParameter& parameter, ValueText values)
{
    if (values == ValueText::ThreeDecimals)
        return va("%.3f %.3f", parameter.value1, parameter.value2);
    return ExactFloatText(parameter.value1) + " " + ExactFloatText(parameter.value2);
}

// Whether the three-decimal text reads back as another float.
bool RoundedAway(float value)
{
    const std::string_view text = va("%.3f", value);
    float read = 0.0f;
    std::from_chars(text.data(), text.data() + text.size(), read);
    return std::isfinite(value) && read != value;
}

void PrintModifier(tinyxml2::XMLPrinter& printer, const DocumentModifier& modifier, ValueText values)
{
    const bool escaped = NameNeedsEscape(modifier.name);
    printer.OpenElement("modifier");
    printer.PushAttribute("name", escaped ? EscapeName(modifier.name).c_str() : modifier.name.c_str());
    printer.PushAttribute("description", "");
    printer.PushAttribute("numMods", modifier.numMods);
    printer.PushAttribute("userFlags", static_cast<unsigned>(modifier.userFlags));
    if (escaped)
        printer.PushAttribute("nameEscaped", "true");

    for (const DocumentParameter& parameter : modifier.parameters)
    {
        if (const char* problem = ParameterProblem(parameter))
        {
            // The game's loader refuses such a value, and a strict reader
            // such a name: the parameter is left out, with the reason.
            const std::string note = " " + NameForComment(parameter.variable) + " left out: " + problem + " ";
            printer.PushComment(note.c_str());
            continue;
        }
        printer.OpenElement(parameter.variable.c_str());
        printer.PushText(ValuesText(parameter, values).c_str());
        printer.CloseElement();
    }
    printer.CloseElement();
}
}

void PrintModifierDocument(tinyxml2::XMLPrinter& printer, const std::vector<DocumentModifier>& modifiers,
                           const std::vector<DocumentNameList>& comment, ValueText values)
{
    printer.PushHeader(false, true);
    PrintComment(printer, comment);
    printer.OpenElement("timecycle_modifier_data");
    printer.PushAttribute("version", "1.000000");
    for (const DocumentModifier& modifier : modifiers)
        PrintModifier(printer, modifier, values);
    printer.CloseElement();
}

void PrintModifierDocument(tinyxml2::XMLPrinter& printer, const std::vector<DocumentModifier>& modifiers,
                           const DocumentNameList* comment, ValueText values)
{
    PrintModifierDocument(printer, modifiers, comment ? std::vector<DocumentNameList>{ *comment } : std::vector<DocumentNameList>{},
                          values);
}

std::string ModifierDocumentText(const std::vector<DocumentModifier>& modifiers,
                                 const std::vector<DocumentNameList>& comment, ValueText values)
{
    tinyxml2::XMLPrinter printer(nullptr, false, 0);
    PrintModifierDocument(printer, modifiers, comment, values);
    return printer.CStr();
}

std::string ModifierDocumentText(const std::vector<DocumentModifier>& modifiers, const DocumentNameList* comment,
                                 ValueText values)
{
    tinyxml2::XMLPrinter printer(nullptr, false, 0);
    PrintModifierDocument(printer, modifiers, comment, values);
    return printer.CStr();
}

int CountRoundedValues(const std::vector<DocumentModifier>& modifiers)
{
    int rounded = 0;
    for (const DocumentModifier& modifier : modifiers)
        for (const DocumentParameter& parameter : modifier.parameters)
            if (!ParameterProblem(parameter))
                rounded += RoundedAway(parameter.value1) + RoundedAway(parameter.value2);
    return rounded;
}
}
