/* A loader written in plain C, as one built by another compiler would be: it
   loads devtools-vesk.dll, takes components from CreateComponent and calls
   every operation by its slot in the method table, checking each result,
   and whether the object's memory is still allocated, by walking the
   process's heaps. Exit code 0 when every check holds. */
#include <windows.h>

#include <stdbool.h>
#include <stdint.h>
#include <stdio.h>

enum
{
    kDestructorSlot,
    kAddRefSlot,
    kReleaseSlot,
    kStartSlot,
    kNotifySlot,
    kHookASlot,
    kHookBSlot,
    kStopSlot,
    kQueryFlagSlot,
    kQueryObjectSlot
};

typedef void* (*CreateComponentFn)(void);
typedef void* (*DestructorSlot)(void* self, unsigned int flags);
typedef void (*VoidSlot)(void* self);
typedef void (*VoidArgumentSlot)(void* self, void* argument);
typedef bool (*BoolSlot)(void* self);
typedef bool (*BoolArgumentSlot)(void* self, void* argument);
typedef void* (*PointerArgumentSlot)(void* self, void* argument);

static int g_failures;

static void Check(int holds, const char* what)
{
    printf("%s: %s\n", holds ? "ok" : "FAILED", what);
    if (!holds)
        ++g_failures;
}

static void* Slot(void* component, int index)
{
    void** table = *(void***)component;
    return table[index];
}

/* The reference count follows the table pointer. */
static int32_t RefCount(void* component)
{
    return *(int32_t*)((char*)component + sizeof(void*));
}

/* Whether `address` lies in a block that one of the process's heaps has
   allocated. */
static bool IsAllocated(const void* address)
{
    HANDLE heaps[64];
    DWORD count = GetProcessHeaps(64, heaps);
    if (count > 64)
        count = 64;
    const char* byte = (const char*)address;
    for (DWORD h = 0; h < count; ++h)
    {
        PROCESS_HEAP_ENTRY entry;
        entry.lpData = NULL;
        bool allocated = false;
        bool found = false;
        HeapLock(heaps[h]);
        while (!found && HeapWalk(heaps[h], &entry))
        {
            const char* data = (const char*)entry.lpData;
            if ((entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) && byte >= data && byte < data + entry.cbData)
            {
                found = true;
                allocated = true;
            }
        }
        HeapUnlock(heaps[h]);
        if (allocated)
            return true;
    }
    return false;
}

int main(void)
{
    HMODULE library = LoadLibraryW(L"devtools-vesk.dll");
    if (!library)
    {
        printf("FAILED: LoadLibraryW(devtools-vesk.dll), error %lu\n", GetLastError());
        return 1;
    }
    CreateComponentFn createComponent = (CreateComponentFn)(void*)GetProcAddress(library, "CreateComponent");
    if (!createComponent)
    {
        printf("FAILED: no CreateComponent export\n");
        return 1;
    }
    void* component = createComponent();
    if (!component)
    {
        printf("FAILED: CreateComponent returned null\n");
        return 1;
    }
    Check(RefCount(component) == 0, "a new component has no reference");

    ((VoidSlot)Slot(component, kAddRefSlot))(component);
    Check(RefCount(component) == 1, "AddRef (slot 1) counts one reference");
    ((VoidSlot)Slot(component, kAddRefSlot))(component);
    Check(RefCount(component) == 2, "AddRef again counts two");

    Check(!((BoolSlot)Slot(component, kReleaseSlot))(component), "Release (slot 2) of one of two references is false");
    Check(RefCount(component) == 1, "and leaves one reference");

    int anything = 7;
    Check(((BoolArgumentSlot)Slot(component, kHookASlot))(component, &anything), "HookA (slot 5) is true");
    Check(((BoolArgumentSlot)Slot(component, kHookBSlot))(component, NULL), "HookB (slot 6) is true");
    Check(!((BoolArgumentSlot)Slot(component, kQueryFlagSlot))(component, &anything), "QueryFlag (slot 8) is false");
    Check(((PointerArgumentSlot)Slot(component, kQueryObjectSlot))(component, &anything) == NULL,
          "QueryObject (slot 9) is null");
    Check(RefCount(component) == 1, "none of them touched the reference count");

    Check(((BoolSlot)Slot(component, kStartSlot))(component), "Start (slot 3) is true");
    ((VoidArgumentSlot)Slot(component, kNotifySlot))(component, &anything);
    Check(RefCount(component) == 1, "Notify (slot 4) returns and leaves the count alone");
    Check(((BoolSlot)Slot(component, kStopSlot))(component), "Stop (slot 7) is true");

    /* Each result is taken before printing: printing may allocate, and could
       reuse the freed block. */
    bool allocated = IsAllocated(component);
    Check(allocated, "the component's memory is allocated while it is referenced");
    bool released = ((BoolSlot)Slot(component, kReleaseSlot))(component);
    allocated = IsAllocated(component);
    Check(released, "Release of the last reference is true");
    Check(!allocated, "and frees the component's memory");

    /* The destructor slot as the loader calls it: flags 0 destroys the object
       and leaves its memory to the caller; flag 1 frees it too. Either way it
       returns the object's address. */
    void* kept = createComponent();
    void* result = ((DestructorSlot)Slot(kept, kDestructorSlot))(kept, 0);
    allocated = IsAllocated(kept);
    Check(result == kept, "the destructor slot (slot 0) with flags 0 returns the object's address");
    Check(allocated, "and leaves its memory allocated");

    void* freed = createComponent();
    allocated = IsAllocated(freed);
    result = ((DestructorSlot)Slot(freed, kDestructorSlot))(freed, 1);
    bool stillAllocated = IsAllocated(freed);
    Check(allocated && result == freed, "the destructor slot with flags 1 returns the object's address");
    Check(!stillAllocated, "and frees its memory");

    printf("%d check(s) failed\n", g_failures);
    return g_failures == 0 ? 0 : 1;
}
