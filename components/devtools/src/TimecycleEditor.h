// The Timecycle Editor's entry points.
#pragma once

// Sets the editor up as the launch environment allows and attaches it to
// the host's frame events; the component's start-up function.
void StartTimecycleEditor();
