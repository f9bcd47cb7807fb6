// terminate and its handler, ucrtbase's C exports, as Microsoft's
// <corecrt_terminate.h> declares them (here through Wine's <eh.h>).
#pragma once
#include <eh.h>
