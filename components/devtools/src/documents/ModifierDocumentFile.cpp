#include "documents/ModifierDocumentFile.h"

#include "base/DateStamp.h"

#include <Platform.h>
#include <Utils.h>


namespace tceditor
{
namespace
{
constexpr int kMaxNameTries = 100;

std::u16string FileName(const platform::LocalTime& time, int attempt)
{
    std::string name = FileDateStamp(time);
    if (attempt > 1)
        name += va("_%d", attempt);
    return ToUtf16(name + ".xml");
}

// Makes the folder and its parent when they are missing; false with the
// reason otherwise.
bool EnsureFolder(std::u16string_view folder, std::string& error)
{
    const size_t parentEnd = folder.find_last_of(platform::kPathSeparator);
    const std::u16string_view parent = parentEnd == std::u16string_view::npos ? folder : folder.substr(0, parentEnd);
    for (std::u16string_view path : { parent, folder })
    {
        std::string reason;
        if (platform::CreateFolder(path, &reason) == platform::CreateFolderResult::Failed)
        {
            error = "cannot create the folder " + ToUtf8(path) + ": " + reason;
            return false;
        }
    }
    return true;
}
}

std::u16string ChangesFolder(std::u16string_view installRoot)
{
    return std::u16string(installRoot) + u"data" + platform::kPathSeparator + u"timecycle-changes";
}

SaveOutcome SaveDocument(std::string_view text, std::u16string_view folder)
{
    std::string error;
    if (!EnsureFolder(folder, error))
        return { false, "Save failed: " + error, {} };

    const platform::LocalTime now = platform::GetLocalTime();
    for (int attempt = 1; attempt <= kMaxNameTries; ++attempt)
    {
        const std::u16string path = std::u16string(folder) + platform::kPathSeparator + FileName(now, attempt);
        switch (platform::WriteNewFile(path, text, error))
        {
        case platform::WriteFileResult::Written:
            return { true, "Saved to " + ToUtf8(path), path };
        case platform::WriteFileResult::AlreadyExists:
            continue;
        case platform::WriteFileResult::Failed:
            return { false, "Save failed: cannot write " + ToUtf8(path) + ": " + error, {} };
        }
    }
    return { false, "Save failed: every file name for this second is taken in " + ToUtf8(folder), {} };
}
}
