// Fatal errors: the error-pickup record, recursion against the error record
// and the fallback record (FatalExitTests.cpp: how a POSIX process ends).
#include "DiagnosticsSupport.h"

#include "CoreRTDiagnostics.h"
#include "Error.h"
#include "ErrorData.h"
#include "Utils.h"

#include <gtest/gtest.h>
#include <rapidjson/document.h>
#include <utf8.h>

#include <cstdlib>
#include <filesystem>
#include <thread>

using diagtest::ReadPickup;

namespace
{
using FatalErrorTest = diagtest::DiagnosticsTest;

// The "message" member of the record.
std::string PickupMessage()
{
    const std::string json = ReadPickup();
    rapidjson::Document document;
    document.Parse(json.c_str(), json.size());
    if (document.HasParseError() || !document.IsObject() || !document.HasMember("message"))
        return "<no message in " + json + ">";
    return std::string(document["message"].GetString(), document["message"].GetStringLength());
}

// The error is traced before the process ends; how it is shown besides is
// each platform's (FatalExitTests.cpp, tests/windows).
TEST_F(FatalErrorTest, MissingPickupFolderEndsTheProcessWithExitCode1)
{
    diagtest::RemovePickupFolder();

    EXPECT_EXIT(ReportFatalError("code/client/test/Exit", 9, 9, "cannot write %s", "this"),
                ::testing::ExitedWithCode(1), "Error: cannot write this");
    EXPECT_FALSE(std::filesystem::exists(diagtest::PickupPath().parent_path())) << "folders are never created";
}

TEST_F(FatalErrorTest, FirstErrorWritesCompactRecordAndReturns)
{
    EXPECT_EQ(ReportFatalError("code/client/test/Disk", 42, 0x95AC4FDA, "disk %s is %d%% full", "C:", 97), -1);
    EXPECT_EQ(ReadPickup(),
              R"({"message":"disk C: is 97% full","file":"code/client/test/Disk","line":42,"sigHash":2511097818})");
}

TEST_F(FatalErrorTest, RecordEscapesOnlyWhatJsonRequires)
{
    struct Case
    {
        const char* name;
        std::string message;
        int line;
        const char* json;
    };
    const Case cases[] = {
        { "quote and backslash", R"(say "hi" \ bye)", 1,
          R"({"message":"say \"hi\" \\ bye","file":"code/client/test/Escape","line":1,"sigHash":7})" },
        { "control characters", std::string("a\nb\tc\x01" "d\0e", 9), 2,
          R"({"message":"a\nb\tc\u0001d\u0000e","file":"code/client/test/Escape","line":2,"sigHash":7})" },
        { "UTF-8 and slash as they are", "Grüße / €", 3,
          R"({"message":"Grüße / €","file":"code/client/test/Escape","line":3,"sigHash":7})" },
        { "negative line", "m", -7, R"({"message":"m","file":"code/client/test/Escape","line":-7,"sigHash":7})" },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        corert::ResetErrorRecord();
        ReportFatalError("code/client/test/Escape", c.line, 7, "%s", c.message);
        EXPECT_EQ(ReadPickup(), c.json);
    }
}

TEST_F(FatalErrorTest, ErrorContextIsEmptyAgainAfterTheReport)
{
    ReportFatalError("code/client/test/Context", 7, 0x1234, "context");

    const ErrorContext& context = GetErrorContext();
    EXPECT_TRUE(context.file.empty());
    EXPECT_EQ(context.line, 0);
    EXPECT_EQ(context.sigHash, 0u);
    // While the record was written the context held the caller's values.
    EXPECT_EQ(ReadPickup(), R"({"message":"context","file":"code/client/test/Context","line":7,"sigHash":4660})");
}

TEST_F(FatalErrorTest, HandlerTracesTheMessage)
{
    ReportFatalError("code/client/test/Trace", 1, 0, "broken %d", 5);

    const auto calls = corert::TraceCalls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].channel, "devtools-vesk");
    EXPECT_EQ(calls[0].function, "GlobalErrorHandler");
    EXPECT_EQ(calls[0].file, "code/client/common/Error");
    EXPECT_EQ(calls[0].line, 294);
    EXPECT_EQ(calls[0].message, "Error: broken 5\n");
}

TEST_F(FatalErrorTest, BadFormatStillReportsTheError)
{
    EXPECT_EQ(ReportFatalError("code/client/test/Format", 4, 4, "count %d", "text"), -1);
    EXPECT_EQ(PickupMessage(), "fmt::format_error while formatting count %d: invalid type specifier\n");
}

TEST_F(FatalErrorTest, LaterErrorsOnOneRecordAreRecursive)
{
    EXPECT_EQ(ReportFatalError("code/client/test/First", 1, 1, "first"), -1);
    EXPECT_EQ(PickupMessage(), "first");

    EXPECT_EQ(ReportFatalError("code/client/test/Second", 2, 2, "second"), -1);
    EXPECT_EQ(PickupMessage(), "Recursive error: second\nOriginal error: first");

    EXPECT_EQ(ReportFatalError("code/client/test/Third", 3, 3, "third"), -1);
    EXPECT_EQ(ReadPickup(), R"({"message":"Recursive-recursive error: third\nRecursive error: second\nOriginal error: first",)"
                            R"("file":"code/client/test/Third","line":3,"sigHash":3})");

    const ErrorData& record = corert::ErrorRecord();
    EXPECT_TRUE(record.inError);
    EXPECT_EQ(record.originalMessage, "first");
    EXPECT_TRUE(record.recursiveSeen);
    EXPECT_EQ(record.recursiveMessage, "Recursive error: second\nOriginal error: first");
    EXPECT_TRUE(record.fatalState->latched);
    EXPECT_EQ(record.fatalState->message, "first");
}

TEST_F(FatalErrorTest, RecordSharedWithTheCoreRuntimeAcrossModules)
{
    // Strings longer than the small-string buffer, so that each module reads
    // and frees the other's allocations through the shared layout.
    const std::string original = "first error, written into the record by the core runtime";
    corert::BeginErrorInRecord(original);

    ReportFatalError("code/client/test/Second", 2, 2, "second error, reported by this module");
    EXPECT_EQ(PickupMessage(), "Recursive error: second error, reported by this module\nOriginal error: " + original);

    const corert::ErrorRecordText text = corert::ReadErrorRecordText();
    EXPECT_TRUE(text.inError);
    EXPECT_EQ(text.originalMessage, original);
    EXPECT_TRUE(text.recursiveSeen);
    EXPECT_EQ(text.recursiveMessage, "Recursive error: second error, reported by this module\nOriginal error: " + original);
}

TEST_F(FatalErrorTest, RecursiveErrorQuotesTheLatchBeforeTheRecord)
{
    struct Case
    {
        const char* name;
        bool inError;
        bool latched;
        const char* latchMessage;
        const char* expected;
    };
    const Case cases[] = {
        { "latched by another module", false, true, "raised elsewhere",
          "Recursive error: here\nOriginal error: raised elsewhere" },
        { "latch without a message", true, false, "", "Recursive error: here\nOriginal error: older" },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        corert::ResetErrorRecord();
        ErrorData& record = corert::ErrorRecord();
        record.inError = c.inError;
        record.originalMessage = "older";
        record.fatalState->latched = c.latched;
        record.fatalState->message = c.latchMessage;

        ReportFatalError("code/client/test/Here", 1, 1, "here");
        EXPECT_EQ(PickupMessage(), c.expected);
    }
}

TEST_F(FatalErrorTest, OverlongRecursiveTextIsCutToWholeCharacters)
{
    // "Recursive error: x" puts the two-byte characters on odd offsets, so
    // va's limit of 32767 falls inside one of them.
    std::string second = "x";
    for (int i = 0; i < 20000; ++i)
        second += "é";
    ReportFatalError("code/client/test/Long", 1, 1, "%s", std::string(30000, 'a'));

    EXPECT_EQ(ReportFatalError("code/client/test/Long", 2, 2, "%s", second), -1);
    const std::string recursive = PickupMessage();
    EXPECT_EQ(recursive.size(), kVaMaxLength - 1);
    EXPECT_TRUE(utf8::is_valid(recursive.begin(), recursive.end()));
    EXPECT_EQ(recursive.rfind("Recursive error: xé", 0), 0u);

    EXPECT_EQ(ReportFatalError("code/client/test/Long", 3, 3, "third"), -1);
    const std::string recursiveRecursive = PickupMessage();
    EXPECT_EQ(recursiveRecursive.size(), kVaMaxLength);
    EXPECT_EQ(recursiveRecursive.rfind("Recursive-recursive error: third\nRecursive error: xé", 0), 0u);
}

TEST_F(FatalErrorTest, FallbackRecordSharesTheLatchAcrossThreads)
{
    EXPECT_EXIT(
        {
            corert::SetErrorDataProvided(false);
            std::thread([] { ReportFatalError("code/client/test/A", 1, 1, "error on A"); }).join();
            std::thread([] { ReportFatalError("code/client/test/B", 2, 2, "error on B"); }).join();
            std::_Exit(corert::ErrorRecord().inError ? 2 : 0); // the core's record stays unused
        },
        ::testing::ExitedWithCode(0), "");

    // B's own record is fresh; the component's latch holds A's message.
    EXPECT_EQ(ReadPickup(), R"({"message":"Recursive error: error on B\nOriginal error: error on A",)"
                            R"("file":"code/client/test/B","line":2,"sigHash":2})");
}

TEST_F(FatalErrorTest, CoreRecordWithoutLatchStillWorks)
{
    // Run apart: the component's own latch takes this error.
    EXPECT_EXIT(
        {
            corert::ErrorRecord().fatalState = nullptr;
            ReportFatalError("code/client/test/NoLatch", 1, 1, "first");
            ReportFatalError("code/client/test/NoLatch", 2, 2, "second");
            std::_Exit(0);
        },
        ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(PickupMessage(), "Recursive error: second\nOriginal error: first");
}
}
