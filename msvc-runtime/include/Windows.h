// <Windows.h> as the STL's filesystem.cpp and Dear ImGui spell it: Wine's
// <windows.h>, plus the few declarations of recent Windows SDKs that Wine's
// headers lack and the STL's filesystem code uses. Layouts from Microsoft's
// documentation (FILE_ID_INFO, FILE_DISPOSITION_INFO_EX); the values are
// those of the SDK's <winbase.h>.
#pragma once
#include <windows.h>

#ifndef FILE_DISPOSITION_FLAG_DELETE
#ifndef __WINE_WINTERNL_H // Wine has this one in <winternl.h>
typedef struct _FILE_ID_128 {
    BYTE Identifier[16];
} FILE_ID_128, *PFILE_ID_128;
#endif

typedef struct _FILE_ID_INFO {
    ULONGLONG VolumeSerialNumber;
    FILE_ID_128 FileId;
} FILE_ID_INFO, *PFILE_ID_INFO;

typedef struct _FILE_DISPOSITION_INFO_EX {
    DWORD Flags;
} FILE_DISPOSITION_INFO_EX, *PFILE_DISPOSITION_INFO_EX;

#define FILE_DISPOSITION_FLAG_DO_NOT_DELETE 0x00000000
#define FILE_DISPOSITION_FLAG_DELETE 0x00000001
#define FILE_DISPOSITION_FLAG_POSIX_SEMANTICS 0x00000002
#define FILE_DISPOSITION_FLAG_FORCE_IMAGE_SECTION_CHECK 0x00000004
#define FILE_DISPOSITION_FLAG_ON_CLOSE 0x00000008
#define FILE_DISPOSITION_FLAG_IGNORE_READONLY_ATTRIBUTE 0x00000010
#endif

#ifdef __cplusplus
extern "C" {
#endif
// The C locale's code page (ucrtbase).
_ACRTIMP unsigned int __cdecl ___lc_codepage_func(void);
#ifdef __cplusplus
}
#endif
