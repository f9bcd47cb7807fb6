// The core runtime's security context: who may do what at the moment. The
// console asks it before privileged changes (server-replicated variables).
#pragma once

#include <string>

namespace se
{
class Context
{
public:
    // Privilege names are compared in lower case ("builtin.setreplicated").
    virtual bool HasPrivilege(const std::string& privilegeName) = 0;

protected:
    // Owned by the core runtime; components never delete it.
    ~Context() = default;
};
}

// Whether the current caller holds the privilege; the name may be in any
// letter case.
bool seCheckPrivilege(const std::string& privilegeName);
