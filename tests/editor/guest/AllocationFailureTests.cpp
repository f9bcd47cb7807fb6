// Every allocation the component makes in an editor frame, a step, a paste,
// a save and a restore, made to fail one at a time: nothing leaves the
// host's call, the host's frames go on with the editor in them, and the
// work already on disk stays there.
#include "FailingAllocation.h"
#include "GuestEditor.h"

#include <ImGuiItemHooks.h>
#include <LaunchEnvironment.h>

#include <functional>
#include <string>

using namespace tceditor;
namespace fs = std::filesystem;

namespace
{
constexpr const char* kDocument = "<timecycle_modifier_data>\n<modifier name=\"pasted_mod\">\n"
                                  "<fog_start>1 2</fog_start>\n</modifier>\n</timecycle_modifier_data>\n";

fs::path EndedJournal()
{
    return fs::path(UnsavedFolder(GetInstallRoot())) / "2026-12-09_08-00-00_1_1.journal";
}

// An ended session's journal left before the start, for "Restore".
void LeaveEndedSession()
{
    UnsavedStep step{ "2026-12-09 08:00:00", false, {} };
    step.changes.push_back(
        { UnsavedModifier::Kind::Put, true, "restored_mod", { "restored_mod", 0, 0, { { "fog_start", 3.0f, 4.0f } } } });
    fs::create_directories(EndedJournal().parent_path());
    std::ofstream(EndedJournal(), std::ios::binary) << JournalHeader() << JournalRecord(step);
}

bool AnyFileUnder(const fs::path& folder, const std::string& text)
{
    std::error_code error;
    for (fs::recursive_directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
    {
        if (!it->is_regular_file())
            continue;
        std::ifstream file(it->path(), std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        if (bytes.find(text) != std::string::npos)
            return true;
    }
    return false;
}
}

class AllocationFailureTest : public GuestEditor
{
protected:
    struct Case
    {
        const char* what;
        std::function<void()> beforeStart;
        std::function<void(AllocationFailureTest&)> prepare;
        std::function<void(AllocationFailureTest&)> act;
    };

    // The UI driver records the widgets and the texts from inside the
    // editor's frame; its own allocations are not the component's.
    void SetUp() override
    {
        ImGui::SetCurrentContext(ui.Context());
        m_driverHook = ImGuiGetItemCallback(&m_driverData);
        ImGuiSetItemCallback(
            [](const ImGuiItemEvent& event, void* self) {
                failing::Uncounted uncounted;
                auto* test = static_cast<AllocationFailureTest*>(self);
                test->m_driverHook(event, test->m_driverData);
            },
            this);
        ImGuiIO& io = ImGui::GetIO();
        m_driverGetClipboard = io.GetClipboardTextFn;
        m_driverSetClipboard = io.SetClipboardTextFn;
        m_driverClipboardData = io.ClipboardUserData;
        io.ClipboardUserData = this;
        io.GetClipboardTextFn = [](void* self) {
            failing::Uncounted uncounted;
            auto* test = static_cast<AllocationFailureTest*>(self);
            return test->m_driverGetClipboard(test->m_driverClipboardData);
        };
        io.SetClipboardTextFn = [](void* self, const char* text) {
            failing::Uncounted uncounted;
            auto* test = static_cast<AllocationFailureTest*>(self);
            test->m_driverSetClipboard(test->m_driverClipboardData, text);
        };
        GuestEditor::SetUp();
    }

    // Only the host's calls into the component count; what leaves them is
    // noted.
    void HostFrame() override
    {
        failing::Counted counted;
        try
        {
            GuestEditor::HostFrame();
        }
        catch (...)
        {
            escaped = true;
        }
    }

    // The UI driver says so when a frame cut short did not draw the widget
    // it was to use: the action is then lost, as it may be.
    void Act(const Case& c)
    {
        try
        {
            c.act(*this);
        }
        catch (const std::exception&)
        {
        }
    }

    bool escaped = false;

    void Restart(const Case& c)
    {
        StopTimecycleEditor();
        RemoveData();
        ResetGame();
        if (c.beforeStart)
            c.beforeStart();
        Start();
    }

    ImGuiItemCallback m_driverHook = nullptr;
    void* m_driverData = nullptr;
    const char* (*m_driverGetClipboard)(void*) = nullptr;
    void (*m_driverSetClipboard)(void*, const char*) = nullptr;
    void* m_driverClipboardData = nullptr;

    // A value step already on disk before the failure.
    UnsavedModifier KeepAStep()
    {
        tcModifier& sunny = *timecycle::FindModifier("sunny_day");
        ui.Click(kWindow, "sunny_day");
        char label[64];
        std::snprintf(label, sizeof label, "##%x-%d-1", sunny.nameHash, int(smallgame::kLightDirMult));
        ui.EnterValue(kWindow, label, "7.25");
        ui.Frame();
        const UnsavedWork work = WorkOnDisk();
        EXPECT_TRUE(work.modifiers.contains("o:sunny_day"));
        return work.modifiers.count("o:sunny_day") ? work.modifiers.at("o:sunny_day") : UnsavedModifier{};
    }
};

TEST_F(AllocationFailureTest, EachFailedAllocationLosesAtMostWhatItWasDoing)
{
    const Case cases[] = {
        { "an editor frame", nullptr, nullptr, [](AllocationFailureTest& t) { t.ui.Frame(); } },
        { "a selection", nullptr, nullptr, [](AllocationFailureTest& t) { t.ui.Click(kWindow, "Foggy_Morning"); } },
        { "a clone", nullptr, [](AllocationFailureTest& t) { t.ui.SetText(kWindow, "##detail_name", "copied_mod"); },
          [](AllocationFailureTest& t) { t.ui.Click(kWindow, "Clone"); } },
        { "a paste", nullptr, [](AllocationFailureTest& t) { t.ui.SetClipboard(kDocument); },
          [](AllocationFailureTest& t) { t.ui.Click(kWindow, "Paste XML"); } },
        { "a save", nullptr, nullptr, [](AllocationFailureTest& t) { t.ui.Click(kWindow, "Save changed"); } },
        { "a restore", LeaveEndedSession, nullptr, [](AllocationFailureTest& t) { t.ui.Click(kWindow, "Restore"); } },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        uint64_t failures = 0;
        for (uint64_t n = 1;; ++n)
        {
            Restart(c);
            // The restore's popup is modal: the work on disk is then the
            // ended session's.
            const bool restoring = c.beforeStart != nullptr;
            const UnsavedModifier kept = restoring ? UnsavedModifier{} : KeepAStep();
            if (c.prepare)
                c.prepare(*this);

            failing::FailAllocation(n);
            Act(c);
            const bool failed = failing::Disarm();
            ASSERT_FALSE(escaped) << "allocation " << n;

            // The host's next frame has the editor, which keeps the earlier
            // step on disk: in this session's journal, or in the document
            // a save wrote.
            ui.Frame(2);
            ASSERT_TRUE(EditorDrawn()) << "allocation " << n;
            const UnsavedWork work = WorkOnDisk();
            if (restoring)
            {
                ASSERT_TRUE(fs::exists(EndedJournal()) || work.modifiers.contains("c:restored_mod"))
                    << "allocation " << n;
            }
            else
            {
                const bool inJournal =
                    work.modifiers.contains("o:sunny_day") && work.modifiers.at("o:sunny_day") == kept;
                ASSERT_TRUE(inJournal || AnyFileUnder(SettledInstallRoot() / "data" / "timecycle-changes", "7.25"))
                    << "allocation " << n;
            }
            if (!failed)
                break;
            ++failures;
            ASSERT_LT(n, 100000u) << "no end to its allocations";
        }
        EXPECT_GT(failures, 0u) << "nothing was allocated";
    }
}
