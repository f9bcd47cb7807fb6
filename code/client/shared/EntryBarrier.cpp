#include "EntryBarrier.h"

#include "Utils.h"

#include <string_view>

namespace
{
// What an exception says goes to the trace only up to this length: it may
// carry user data of any size.
constexpr size_t kShownLength = 200;
}

void EntryBarrier::Note(const char* what) noexcept
{
    if (m_failures.fetch_add(1) != 0)
        return;
    try
    {
        const std::string_view shown(what);
        Trace("devtools", m_entry, __FILE__, __LINE__, "%s stopped an exception: %s%s\n", m_entry,
              shown.substr(0, kShownLength), shown.size() > kShownLength ? "..." : "");
    }
    catch (...)
    {
        // Not even the report fits in memory; the count above keeps it.
    }
}
