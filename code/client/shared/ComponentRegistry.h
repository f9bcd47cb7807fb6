// The core runtime's component registry, which names types by id.
#pragma once

#include <cstddef>
#include <cstdint>

class ComponentRegistry
{
public:
    virtual size_t GetSize() = 0;
    // The id of a type name; the same name always gives the same id.
    virtual uint64_t LookupId(const char* typeName) = 0;
};
