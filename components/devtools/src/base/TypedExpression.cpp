#include "base/TypedExpression.h"

#include "base/FloatText.h"

#include <cctype>
#include <charconv>
#include <cmath>

namespace tceditor
{
namespace
{
bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}
}

std::optional<float> TypedOperationResult(std::string_view typedText, std::string_view shownText, float value)
{
    const std::string_view typed = Trimmed(typedText);
    if (typed == Trimmed(shownText))
        return value;
    if (typed.empty())
        return std::nullopt;
    const char operation = typed.front();
    if (operation != '+' && operation != '*' && operation != '/')
        return std::nullopt;

    // As Dear ImGui reads the operand: the number at the start of the rest.
    std::string_view rest = Trimmed(typed.substr(1));
    if (!rest.empty() && rest.front() == '+')
        rest.remove_prefix(1);
    float operand = 0.0f;
    if (std::from_chars(rest.data(), rest.data() + rest.size(), operand).ec != std::errc())
        return std::nullopt;
    switch (operation)
    {
    case '+':
        return value + operand;
    case '*':
        return value * operand;
    default:
        return operand != 0.0f ? value / operand : value;
    }
}

std::optional<float> ParseNumberText(std::string_view rest)
{
    while (!rest.empty() && std::isspace(static_cast<unsigned char>(rest.front())))
        rest.remove_prefix(1);
    while (!rest.empty() && std::isspace(static_cast<unsigned char>(rest.back())))
        rest.remove_suffix(1);
    if (!rest.empty() && rest.front() == '+')
        rest.remove_prefix(1);
    float value = 0.0f;
    if (!ParseFloat(rest, value))
        return std::nullopt;
    return value;
}
}
