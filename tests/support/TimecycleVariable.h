// A timecycle variable as tests define their tables: its name and default;
// the id is its place in the table.
#pragma once

struct TimecycleVariable
{
    const char* name;
    float defaultValue;
};
