// What the text of a timecycle_modifier_data document can carry, and the
// escape that carries the rest of a modifier name.
//
// A modifier name is any bytes the game accepts. XML 1.0 cannot hold control
// characters (not even as character references), nor bytes that are not
// UTF-8, and readers turn tab, line feed and carriage return in an attribute
// into spaces; a clipboard may also drop or convert them. Such a name is
// written in escaped form: each byte that cannot be written as it is becomes
// \xHH (two upper-case hex digits) and a backslash becomes \\, everything else
// stays as it is. The "modifier" element then carries nameEscaped="true", so
// reading gives back the same bytes. Names without such bytes, ordinary ones
// with & " < > ' among them, are written exactly as they are (the printer
// turns those five into entities), and never get the marker, so a backslash in
// them needs no escape. The game's loader knows no escapes: it takes the
// escaped form itself as the name, a readable name that stays distinct.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tceditor
{
// Whether the name has a byte that must be escaped: control characters
// (C0 with tab, line feed and carriage return, DEL, C1), U+FFFE and U+FFFF,
// and every byte that is not part of well-formed UTF-8.
bool NameNeedsEscape(std::string_view name);

// The escaped form described above.
std::string EscapeName(std::string_view name);

// The name as a message shows it: escaped when it holds such bytes.
std::string DisplayName(std::string_view name);

// The bytes an escaped form stands for; none when a backslash starts anything
// but \\ or \xHH.
std::optional<std::string> UnescapeName(std::string_view escaped);

// Whether the text can be an XML element name as written: well-formed UTF-8
// that an XML 1.0 reader accepts as a name, without a colon (a colon would
// make it a namespace prefix that no document declares).
bool IsXmlElementName(std::string_view name);

// The name as it can stand in an XML comment, which holds neither "--" nor a
// trailing '-': as it is when it can, otherwise escaped with each '-' also
// written as \x2D.
std::string NameForComment(std::string_view name);
}
