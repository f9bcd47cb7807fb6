/* A loader written in plain C, as one built by another compiler would be: it
   loads devtools-vesk.dll, takes a component from CreateComponent and calls
   the harmless operations by their slot in the method table, checking each
   result. Exit code 0 when every check holds. */
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
typedef void (*VoidSlot)(void* self);
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

    Check(((BoolSlot)Slot(component, kReleaseSlot))(component), "Release of the last reference is true");

    printf("%d check(s) failed\n", g_failures);
    return g_failures == 0 ? 0 : 1;
}
