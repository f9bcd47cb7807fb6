// Source annotations: Wine's <sal.h>, plus the few that Microsoft's STL uses
// and Wine's lacks. They only inform Microsoft's code analysis; here they
// expand to nothing.
#pragma once
#include_next <sal.h>

#define _Analysis_assume_(expr)
#define _Pre_satisfies_(cond)
#define _Guarded_by_(lock)
#define _Inout_bytecount_(size)
#define _Field_z_
