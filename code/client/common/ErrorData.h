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
