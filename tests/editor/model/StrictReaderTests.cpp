// Every document the editor exports is well-formed XML that libxml2's
// xmllint, a strict reader, accepts (Linux only: xmllint is a Linux program).
#include "ExportedDocumentFixture.h"

#include "ChildProcess.h"

namespace
{
class StrictReader : public ExportedDocumentTest
{
protected:
    // xmllint --noout: silent and successful for a well-formed document.
    static void ExpectStrictReaderAccepts(const std::string& path)
    {
        const ChildRun run = RunChild(VESK_XMLLINT, { "xmllint", "--noout", "--nonet", path });
        EXPECT_EQ(run.exitCode, 0) << "xmllint refused " << path << " (its reasons are on standard error)";
    }

    // The first modifier's name as a strict reader understands it (it
    // prints the string and a line feed).
    static std::string NameForAStrictReader(const std::string& path)
    {
        const ChildRun run = RunChild(VESK_XMLLINT, { "xmllint", "--nonet", "--xpath",
                                                      "string(/timecycle_modifier_data/modifier/@name)", path });
        EXPECT_EQ(run.exitCode, 0);
        return run.output.ends_with('\n') ? run.output.substr(0, run.output.size() - 1) : run.output;
    }
};

class StrictReaderOfAwkwardName : public StrictReader, public testing::WithParamInterface<awkward::NamedCase>
{
};

TEST_P(StrictReaderOfAwkwardName, AcceptsTheExportAndReadsTheGamesName)
{
    const std::string& name = GetParam().name;
    const std::string path = WriteFile(ExportNew(name));

    ExpectStrictReaderAccepts(path);
    EXPECT_EQ(NameForAStrictReader(path), NameInTheGame(name));
}

INSTANTIATE_TEST_SUITE_P(AwkwardNames, StrictReaderOfAwkwardName, testing::ValuesIn(awkward::Names()),
                         [](const testing::TestParamInfo<awkward::NamedCase>& info) { return info.param.label; });

TEST_F(StrictReader, AcceptsADocumentOfManyModifiersWithANameList)
{
    ExpectStrictReaderAccepts(WriteFile(ManyModifiersDocument()));
}

TEST_F(StrictReader, AcceptsAnOrdinaryExport)
{
    ExpectStrictReaderAccepts(WriteFile(OrdinaryExport()));
}
}
