#include "WindowsCommandLine.h"

#include <algorithm>

namespace platform
{
namespace
{
bool IsBlank(char16_t c)
{
    return c == u' ' || c == u'\t';
}

// The program path has its own rule: quoted, it runs to the next quote, and
// backslashes are plain characters. A quote cannot be part of it, so one is
// dropped rather than let it end the path early and shift the arguments.
void AppendProgramPath(std::u16string& out, std::u16string_view path)
{
    std::u16string plain;
    for (char16_t c : path)
    {
        if (c != u'"')
            plain += c;
    }
    const bool needsQuotes = plain.empty() || std::any_of(plain.begin(), plain.end(), IsBlank);
    if (needsQuotes)
        out += u'"';
    out += plain;
    if (needsQuotes)
        out += u'"';
}

// Quotes one argument so that the Windows splitting rules give it back.
void AppendQuoted(std::u16string& out, std::u16string_view argument)
{
    if (!argument.empty() && argument.find_first_of(u" \t\n\v\"") == std::u16string_view::npos)
    {
        out += argument;
        return;
    }

    out += u'"';
    size_t backslashes = 0;
    for (char16_t c : argument)
    {
        if (c == u'\\')
        {
            ++backslashes;
            continue;
        }
        // Backslashes before a quote are doubled, and the quote escaped.
        out.append(c == u'"' ? backslashes * 2 + 1 : backslashes, u'\\');
        backslashes = 0;
        out += c;
    }
    // Backslashes before the closing quote are doubled.
    out.append(backslashes * 2, u'\\');
    out += u'"';
}
}

std::u16string JoinWindowsCommandLine(const std::vector<std::u16string>& arguments)
{
    std::u16string commandLine;
    for (size_t index = 0; index < arguments.size(); ++index)
    {
        if (index == 0)
        {
            AppendProgramPath(commandLine, arguments[index]);
        }
        else
        {
            commandLine += u' ';
            AppendQuoted(commandLine, arguments[index]);
        }
    }
    return commandLine;
}

std::vector<std::u16string> SplitWindowsCommandLine(std::u16string_view line)
{
    std::vector<std::u16string> arguments;

    // The program path: up to the closing quote when quoted, else up to the
    // first blank; backslashes are plain characters here.
    size_t i = 0;
    std::u16string program;
    if (i < line.size() && line[i] == u'"')
    {
        ++i;
        while (i < line.size() && line[i] != u'"')
            program += line[i++];
        if (i < line.size())
            ++i;
    }
    else
    {
        while (i < line.size() && !IsBlank(line[i]))
            program += line[i++];
    }
    arguments.push_back(program);

    while (true)
    {
        while (i < line.size() && IsBlank(line[i]))
            ++i;
        if (i >= line.size())
            break;

        std::u16string argument;
        // 0 outside quotes, 1 inside. In a run of quotes every third one is
        // a literal quote, and a doubled quote ends the quoted part.
        int quotes = 0;
        while (i < line.size() && (quotes != 0 || !IsBlank(line[i])))
        {
            if (line[i] == u'\\')
            {
                size_t backslashes = 0;
                while (i < line.size() && line[i] == u'\\')
                {
                    ++backslashes;
                    ++i;
                }
                argument.append(i < line.size() && line[i] == u'"' ? backslashes / 2 : backslashes, u'\\');
                if (i < line.size() && line[i] == u'"' && backslashes % 2 == 1)
                {
                    argument += u'"';
                    ++i;
                }
            }
            else if (line[i] == u'"')
            {
                ++quotes;
                ++i;
                while (i < line.size() && line[i] == u'"')
                {
                    if (++quotes == 3)
                    {
                        argument += u'"';
                        quotes = 0;
                    }
                    ++i;
                }
                if (quotes == 2)
                    quotes = 0;
            }
            else
            {
                argument += line[i++];
            }
        }
        arguments.push_back(std::move(argument));
    }
    return arguments;
}
}
