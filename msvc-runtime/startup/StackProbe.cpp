// __chkstk, which the compiler calls before a frame of more than a page: it
// touches every page between the stack pointer and the new frame's bottom so
// that the guard page moves down one page at a time. rax holds the frame
// size; every register is preserved.
asm(R"(
    .intel_syntax noprefix
    .text
    .globl __chkstk
    .p2align 4
__chkstk:
    push rcx
    push rax
    cmp rax, 0x1000
    lea rcx, [rsp + 24]
    jb 2f
1:
    sub rcx, 0x1000
    test [rcx], rcx
    sub rax, 0x1000
    cmp rax, 0x1000
    ja 1b
2:
    sub rcx, rax
    test [rcx], rcx
    pop rax
    pop rcx
    ret
    .att_syntax prefix
)");
