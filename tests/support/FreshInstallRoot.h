// The install root of a test process that starts the component, as a
// launcher gives one: a new empty folder, handed over through the launch's
// init-state block, so that nothing a developer's own run left in the build
// folder (unsaved work, error records) reaches the test, and nothing the test
// leaves reaches anyone. The folder goes when the process ends.
#pragma once

#include <filesystem>

// Made and handed over at the first call, which comes before the component
// starts; holds the launch turn until FreshInstallRootTaken.
const std::filesystem::path& FreshInstallRoot();
// The component has started and settled on the root: other launches of this
// mode may hand over theirs.
void FreshInstallRootTaken();
// For tests that run the editor in their own process without starting the
// component: the fresh root, handed over and read at the first call, which
// must come before anything asks for the root.
const std::filesystem::path& SettledInstallRoot();
