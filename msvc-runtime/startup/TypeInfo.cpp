// type_info's destructor and vftable. Every RTTI type descriptor the compiler
// emits starts with a pointer to ??_7type_info@@6B@, the vftable, which
// Microsoft's static start-up library gives each module; the compiler never
// emits it itself, as type_info has no constructor. Its one slot is the
// deleting destructor (flags bit 0: free the memory). Also the list of
// readable names __std_type_info_name fills in, freed when the module
// unloads (an SLIST_HEADER: 16 bytes aligned to 16).
#include <typeinfo>

struct __type_info_node {
    alignas(16) void* header[2];
};

extern "C" __type_info_node __type_info_root_node = {};

type_info::~type_info() noexcept {}

extern "C" void* vesk_type_info_deleting_destructor(type_info* self, unsigned int flags)
{
    self->~type_info();
    if (flags & 1)
        operator delete(self);
    return self;
}

asm(R"(
    .section .rdata,"dr"
    .p2align 3
    .quad 0
    .globl "??_7type_info@@6B@"
"??_7type_info@@6B@":
    .quad vesk_type_info_deleting_destructor
    .text
)");
