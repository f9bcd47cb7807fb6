// A DLL's entry: runs its static initialisers when it is loaded, and its
// atexit table (static destructors) and the thread's thread_local destructors
// when it is unloaded. atexit registers in this module's own table, as in
// Microsoft's runtime, so a DLL's destructors run when the DLL goes, not when
// the process exits.
#include <windows.h>

#include "Sections.h"

extern "C" {
struct __type_info_node;
extern __type_info_node __type_info_root_node;
void __cdecl __std_type_info_destroy_list(__type_info_node* root);
void __cdecl __security_init_cookie();

static _onexit_table_t g_atexitTable;

int __cdecl atexit(_PVFV function)
{
    return _register_onexit_function(&g_atexitTable, reinterpret_cast<_onexit_t>(function));
}

_onexit_t __cdecl _onexit(_onexit_t function)
{
    return _register_onexit_function(&g_atexitTable, function) == 0 ? function : nullptr;
}

BOOL WINAPI _DllMainCRTStartup(HINSTANCE, DWORD reason, void* reserved)
{
    switch (reason) {
    case DLL_PROCESS_ATTACH:
        __security_init_cookie(); // before any function that checks it
        if (_initialize_onexit_table(&g_atexitTable) != 0)
            return FALSE;
        if (!vesk_run_initialisers())
            return FALSE;
        vesk_run_thread_initialisers();
        return TRUE;
    case DLL_PROCESS_DETACH:
        // At process exit (reserved non-null) other threads are gone already;
        // the destructors run either way, as in Microsoft's runtime.
        (void)reserved;
        vesk_run_thread_destructors();
        _execute_onexit_table(&g_atexitTable);
        __std_type_info_destroy_list(&__type_info_root_node);
        return TRUE;
    default:
        return TRUE;
    }
}
}
