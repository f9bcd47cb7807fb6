// Writing modifiers in the export's format: the declaration, the root
// "timecycle_modifier_data", then per modifier a "modifier" element with its
// name, an empty description, numMods and userFlags, and one child element
// per parameter holding "value1 value2" to three decimals.
#include "ModifierDocument.h"
#include "XmlText.h"

#include <Utils.h>

#include <tinyxml2.h>

#include <cmath>

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

void PrintNameList(tinyxml2::XMLPrinter& printer, const DocumentNameList& list)
{
    std::string text = "\n";
    if (!list.heading.empty())
        text += "    " + NameForComment(list.heading) + "\n";
    for (const std::string& name : list.names)
        text += "    " + NameForComment(name) + "\n";
    printer.PushComment(text.c_str());
}

void PrintModifier(tinyxml2::XMLPrinter& printer, const DocumentModifier& modifier)
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
        printer.PushText(va("%.3f %.3f", parameter.value1, parameter.value2));
        printer.CloseElement();
    }
    printer.CloseElement();
}
}

void PrintModifierDocument(tinyxml2::XMLPrinter& printer, const std::vector<DocumentModifier>& modifiers,
                           const DocumentNameList* comment)
{
    printer.PushHeader(false, true);
    if (comment)
        PrintNameList(printer, *comment);
    printer.OpenElement("timecycle_modifier_data");
    printer.PushAttribute("version", "1.000000");
    for (const DocumentModifier& modifier : modifiers)
        PrintModifier(printer, modifier);
    printer.CloseElement();
}

std::string ModifierDocumentText(const std::vector<DocumentModifier>& modifiers, const DocumentNameList* comment)
{
    tinyxml2::XMLPrinter printer(nullptr, false, 0);
    PrintModifierDocument(printer, modifiers, comment);
    return printer.CStr();
}
}
