// The process's error record, as the core runtime's "GetErrorData" hands it
// out. Other modules share it, so the field order and types are fixed.
#pragma once

#include <string>

// The process's fatal latch.
struct FatalState
{
    bool latched = false; // a fatal error has been raised
    std::string message;  // that error's message
};

struct ErrorData
{
    FatalState* fatalState = nullptr;
    bool recursiveSeen = false;   // a recursive error has already been handled
    std::string recursiveMessage; // the text composed for it
    bool inError = false;         // an error is being handled
    std::string originalMessage;  // the first error's message
};

#if defined(_MSC_VER) && defined(_WIN64)
#include <cstddef>
#include <functional>

// The layouts a host built with Microsoft's compiler shares with us: its
// std::string and std::function, and this record, which holds strings.
static_assert(sizeof(std::string) == 32);
static_assert(sizeof(std::function<void()>) == 64);
static_assert(offsetof(ErrorData, fatalState) == 0);
static_assert(offsetof(ErrorData, recursiveSeen) == 8);
static_assert(offsetof(ErrorData, recursiveMessage) == 16);
static_assert(offsetof(ErrorData, inError) == 48);
static_assert(offsetof(ErrorData, originalMessage) == 56);
static_assert(sizeof(ErrorData) == 88);
#endif
