// ContainsIgnoreCase, the browser's name search, against glibc's strcasestr:
// in the C locale both fold ASCII letters only. The input is the text, a NUL,
// then the query.
#include "FuzzCheck.h"

#include "base/Text.h"

#include <cstdint>
#include <cstring>
#include <string>

using namespace tceditor;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    const size_t split = input.find('\0');
    const std::string text = input.substr(0, split);
    const std::string query = split == std::string::npos ? std::string() : input.substr(split + 1);

    const char* found = ContainsIgnoreCase(text.c_str(), query.c_str());
    // An empty text or query matches nothing, where strcasestr would match
    // an empty query at the start.
    if (text.c_str()[0] == '\0' || query.c_str()[0] == '\0')
        FUZZ_CHECK(found == nullptr);
    else
        FUZZ_CHECK(found == strcasestr(text.c_str(), query.c_str()));
    return 0;
}
