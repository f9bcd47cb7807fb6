// Reading the variable table: <timecycle_variables> with one
// <variable name=".." default=".."/> per variable; ids follow file order.
#include "DataFiles.h"
#include "TimecycleStore.h"

#include <fmt/format.h>
#include <tinyxml2.h>

#include <cstring>

namespace timecycle
{
LoadReport LoadVariableTable(const std::string& path)
{
    LoadReport report;
    FileMessages messages(report, path);

    TimecycleStore* store = TimecycleStore::Current();
    if (!store || store->HasVariables())
    {
        messages.Add(0, store ? "a variable table is loaded already; the file is skipped"
                              : "there is no timecycle manager; the file is skipped");
        ++report.filesSkipped;
        return report;
    }

    tinyxml2::XMLDocument document;
    tinyxml2::XMLElement* root = ReadDocument(document, messages) ? ExpectRoot(document, "timecycle_variables", messages) : nullptr;
    if (!root)
    {
        ++report.filesSkipped;
        return report;
    }

    for (const tinyxml2::XMLElement* element = root->FirstChildElement(); element; element = element->NextSiblingElement())
    {
        const int line = element->GetLineNum();
        if (std::strcmp(element->Name(), "variable") != 0)
        {
            messages.Add(line, fmt::format("unexpected <{}>; skipped", element->Name()));
            continue;
        }

        const char* name = element->Attribute("name");
        const char* defaultText = element->Attribute("default");
        float defaultValue = 0.0f;
        if (!name || !IsElementName(name))
            messages.Add(line, fmt::format("variable name \"{}\" is not a valid element name; the variable is skipped", name ? name : ""));
        else if (store->FindVariable(name) >= 0)
            messages.Add(line, fmt::format("variable \"{}\" is defined twice; the second one is skipped", name));
        else if (!defaultText || !ParseFloat(defaultText, defaultValue))
            messages.Add(line, fmt::format("variable \"{}\" has no valid default; the variable is skipped", name));
        else
        {
            store->AddVariable(name, defaultValue);
            ++report.variablesLoaded;
        }
    }
    return report;
}
}
