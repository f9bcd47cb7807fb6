// Editor activation: what the component does when the loader starts it.
#include "TimecycleEditor.h"

void StartTimecycleEditor()
{
    // The editor attaches itself to the host's frame events here once its
    // window exists.
}
