// What the sandbox and the tests can do to the stand-in core runtime from
// outside: the knobs a real game would turn itself.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class ICoreGameInit;

namespace corert
{
// Puts an instance into the instance registry under a type name.
void RegisterInstance(const char* typeName, void* instance);

// The id the component registry gives a type name.
uint64_t TypeId(const char* typeName);
// Every type name the component registry was asked for, in order.
std::vector<std::string> TypeLookups();

ICoreGameInit& GameInit();
void SetGameReady(bool ready);
void SetGameInitVariable(const std::string& name, bool present);
}
