// Copying text into the editor's fixed 128-byte fields.
#include "base/Text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <ostream>
#include <string>

using namespace tceditor;

namespace
{
struct CopyCase
{
    const char* name;
    std::string text;
    size_t keptBytes;
};

void PrintTo(const CopyCase& param, std::ostream* out)
{
    *out << param.name;
}

class CopyToTextBufferTest : public testing::TestWithParam<CopyCase>
{
};

TEST_P(CopyToTextBufferTest, KeepsWholeCharactersThatFit)
{
    const CopyCase& param = GetParam();
    char buffer[kTextBufferSize];
    std::memset(buffer, '#', sizeof buffer);

    CopyToTextBuffer(buffer, param.text);

    EXPECT_EQ(std::strlen(buffer), param.keptBytes);
    EXPECT_EQ(std::string(buffer), param.text.substr(0, param.keptBytes));
}

const std::string k126(126, 'a');
const std::string kEAcute = "\xC3\xA9";          // 2 bytes
const std::string kEuro = "\xE2\x82\xAC";        // 3 bytes
const std::string kSmile = "\xF0\x9F\x98\x80";   // 4 bytes

INSTANTIATE_TEST_SUITE_P(
    TextBuffer, CopyToTextBufferTest,
    testing::Values(CopyCase{ "Empty", "", 0 }, CopyCase{ "Short", "fog_start", 9 },
                    CopyCase{ "ExactlyFits", std::string(127, 'a'), 127 },
                    CopyCase{ "OneByteTooLong", std::string(128, 'a'), 127 },
                    CopyCase{ "TwoByteCharacterAcrossTheEnd", k126 + kEAcute, 126 },
                    CopyCase{ "TwoByteCharacterEndingAtTheEnd", k126.substr(1) + kEAcute + "z", 127 },
                    CopyCase{ "ThreeByteCharacterAcrossTheEnd", std::string(125, 'a') + kEuro, 125 },
                    CopyCase{ "FourByteCharacterAcrossTheEnd", std::string(124, 'a') + kSmile + kSmile, 124 },
                    CopyCase{ "FourByteCharacterLastByteCut", std::string(124, 'a') + kSmile, 124 },
                    CopyCase{ "ManyCharacters", std::string(100, 'a') + kEuro + kEuro + kEuro + kEuro + kEuro + kEuro + kEuro + kEuro + kEuro + kEuro, 127 },
                    // Not UTF-8: cut after at most three steps back.
                    CopyCase{ "StrayContinuationBytes", std::string(200, '\x80'), 124 }),
    [](const testing::TestParamInfo<CopyCase>& info) { return std::string(info.param.name); });
}
