// Reading any text as a pasted timecycle_modifier_data document: it never
// crashes, a refused document yields no modifier, every modifier read has a
// name and finite values, reading it in parts (cut after every child of the
// root) gives what reading it whole gives, notes and reason alike, and
// writing what was read and reading it again gives the same modifiers,
// values exactly.
#include "FuzzCheck.h"

#include "base/XmlText.h"
#include "documents/ModifierDocument.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

using namespace tceditor;

namespace
{
// What a write keeps of what was read: parameters whose variable can be an
// element name (the rest are left out, with a comment).
std::vector<DocumentParameter> Writable(const std::vector<DocumentParameter>& parameters)
{
    std::vector<DocumentParameter> writable;
    for (const DocumentParameter& parameter : parameters)
        if (IsXmlElementName(parameter.variable))
            writable.push_back(parameter);
    return writable;
}

bool SameBits(float read, float value)
{
    return std::bit_cast<uint32_t>(read) == std::bit_cast<uint32_t>(value);
}

void CheckSameReading(const DocumentReading& a, const DocumentReading& b)
{
    FUZZ_CHECK(a.error == b.error);
    FUZZ_CHECK(a.notes == b.notes);
    FUZZ_CHECK(a.modifiers.size() == b.modifiers.size());
    for (size_t i = 0; i < a.modifiers.size(); ++i)
    {
        const DocumentModifier& x = a.modifiers[i];
        const DocumentModifier& y = b.modifiers[i];
        FUZZ_CHECK(x.name == y.name && x.userFlags == y.userFlags && x.numMods == y.numMods);
        FUZZ_CHECK(x.parameters.size() == y.parameters.size());
        for (size_t p = 0; p < x.parameters.size(); ++p)
        {
            FUZZ_CHECK(x.parameters[p].variable == y.parameters[p].variable);
            FUZZ_CHECK(SameBits(x.parameters[p].value1, y.parameters[p].value1));
            FUZZ_CHECK(SameBits(x.parameters[p].value2, y.parameters[p].value2));
        }
    }
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const DocumentReading first = ReadModifierDocument(text);
    CheckSameReading(ReadModifierDocumentInParts(text, 1), ReadWholeModifierDocument(text));
    FUZZ_CHECK(first.error.empty() != first.modifiers.empty());
    for (const DocumentModifier& modifier : first.modifiers)
    {
        FUZZ_CHECK(!modifier.name.empty());
        FUZZ_CHECK(modifier.numMods == static_cast<int>(modifier.parameters.size()));
        for (const DocumentParameter& parameter : modifier.parameters)
            FUZZ_CHECK(std::isfinite(parameter.value1) && std::isfinite(parameter.value2));
    }
    if (first.modifiers.empty())
        return 0;

    const std::string written = ModifierDocumentText(first.modifiers);
    const DocumentReading second = ReadModifierDocument(written);
    FUZZ_CHECK(second.error.empty());
    // The only notes a written document gives: names read through their escape.
    for (const std::string& note : second.notes)
        FUZZ_CHECK(note.find("the name is read through its escape") != std::string::npos);
    FUZZ_CHECK(second.modifiers.size() == first.modifiers.size());
    for (size_t i = 0; i < first.modifiers.size(); ++i)
    {
        const DocumentModifier& before = first.modifiers[i];
        const DocumentModifier& after = second.modifiers[i];
        FUZZ_CHECK(after.name == before.name);
        FUZZ_CHECK(after.userFlags == before.userFlags);
        const std::vector<DocumentParameter> kept = Writable(before.parameters);
        FUZZ_CHECK(after.parameters.size() == kept.size());
        for (size_t p = 0; p < kept.size(); ++p)
        {
            FUZZ_CHECK(after.parameters[p].variable == kept[p].variable);
            FUZZ_CHECK(SameBits(after.parameters[p].value1, kept[p].value1));
            FUZZ_CHECK(SameBits(after.parameters[p].value2, kept[p].value2));
        }
    }
    return 0;
}
