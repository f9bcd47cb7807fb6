/* The component manifest, embedded byte for byte. */
    .section .qocomponent, "a", @progbits
    .incbin MANIFEST_PATH
    .section .note.GNU-stack, "", @progbits
