// The exports of the second component (SecondComponent.cpp).
#pragma once

struct SecondComponentVariable
{
    bool* tracked;
    const void* entry;
};

extern "C" SecondComponentVariable SecondComponentDeclare(const char* name);
extern "C" void SecondComponentRelease();
