// Modifiers as a timecycle_modifier_data document carries them: written in
// the export's format, and read back from any text such as the clipboard's.
// Plain values only: which variables exist, and what reaches the game, is for
// the caller to decide.
#pragma once

#include "base/SharedName.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tinyxml2
{
class XMLPrinter;
}

namespace tceditor
{
struct DocumentParameter
{
    // Shared by the parameters of a read document that name the same variable.
    SharedName variable;
    float value1 = 0.0f;
    float value2 = 0.0f;
};

struct DocumentModifier
{
    std::string name;
    uint32_t userFlags = 0;
    // Written as "numMods": the game's entry count, which also counts entries
    // left out of `parameters` (a variable the game gives no name). Reading
    // sets it to the number of parameters read.
    int numMods = 0;
    // In the game's array order.
    std::vector<DocumentParameter> parameters;
};

// A part of the comment at the top of a document: a heading line and one
// name per line, or "name -> new name" per line when `newNames` holds one new
// name per name.
struct DocumentNameList
{
    std::string heading;
    std::vector<std::string> names;
    std::vector<std::string> newNames;
};

// How a document writes its values: exactly (the shortest decimal text that
// reads back to the same float), or to three decimals as the export has
// always written them ("Generate XML").
enum class ValueText
{
    Exact,
    ThreeDecimals,
};

// Prints the declaration and the document onto the printer, one "modifier"
// element per modifier in order, after the comment when there is one.
// A parameter the document cannot carry (a variable name that is no element
// name, a value that is not finite) is left out, and a comment in its place
// says which and why. Names are escaped as XmlText.h describes.
// A comment of several lists holds them in order, each list left out when it
// names nothing.
void PrintModifierDocument(tinyxml2::XMLPrinter& printer, const std::vector<DocumentModifier>& modifiers,
                           const std::vector<DocumentNameList>& comment, ValueText values = ValueText::Exact);
void PrintModifierDocument(tinyxml2::XMLPrinter& printer, const std::vector<DocumentModifier>& modifiers,
                           const DocumentNameList* comment = nullptr, ValueText values = ValueText::Exact);

// The same document as text, for the clipboard.
std::string ModifierDocumentText(const std::vector<DocumentModifier>& modifiers,
                                 const std::vector<DocumentNameList>& comment, ValueText values = ValueText::Exact);
std::string ModifierDocumentText(const std::vector<DocumentModifier>& modifiers,
                                 const DocumentNameList* comment = nullptr, ValueText values = ValueText::Exact);

// How many of the values a three-decimal document would write differ from
// what the modifiers hold (0.0004 written as 0.000, 0.12345 as 0.123).
int CountRoundedValues(const std::vector<DocumentModifier>& modifiers);

struct DocumentReading
{
    // Every usable modifier, in document order. Empty when `error` is set.
    std::vector<DocumentModifier> modifiers;
    // One line per item left out, each starting with "line N: ".
    std::vector<std::string> notes;
    // Set when the document as a whole is refused: nothing of it may be used.
    std::string error;
};

// Reads every "modifier" element of a timecycle_modifier_data document, by
// the game loader's rules.
// Refused whole: text that is not well-formed XML (the line and what is wrong
// there, XmlProblem), another root element, or no usable modifier at all.
// Left out with a note, the rest being read:
// - an element of the root other than "modifier";
// - a modifier without a name, or with a broken escaped name;
// - a parameter whose text is not two finite numbers, and one repeated within
//   its modifier (the first one counts).
// Read with a note: userFlags that is not an unsigned 32-bit number (as 0), a
// modifier named again (it takes the earlier one's place: the last counts).
// A missing userFlags reads as 0; "numMods" and "description" are not read.
// Never more than a small part of the document is held as a parsed tree.
DocumentReading ReadModifierDocument(std::string_view text);

// The two ways the reading above is made, which give the same reading of any
// text. In parts: the root's content cut after modifiers' end tags into
// parts of at least `partBytes`, each parsed alone; a document that is not
// well-formed anywhere, or where a cut falls anywhere but between two
// children of the root, is read whole instead, so that the reason given is
// the parser's over the whole text. Whole: parsed as one tree.
DocumentReading ReadModifierDocumentInParts(std::string_view text, size_t partBytes);
DocumentReading ReadWholeModifierDocument(std::string_view text);
}
