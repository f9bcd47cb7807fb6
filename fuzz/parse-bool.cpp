// ParseBool reads whatever is typed after a boolean variable's name.
#include "FuzzCheck.h"

#include <ConsoleArgument.h>

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);

    // It never refuses text, and it reads what BoolToString writes.
    bool value = false;
    FUZZ_CHECK(ParseBool(text, value));
    bool again = !value;
    FUZZ_CHECK(ParseBool(BoolToString(value), again));
    FUZZ_CHECK(again == value);
    return 0;
}
