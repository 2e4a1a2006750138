#include "platform/FreedMemory.h"

#include <malloc.h>

void ReleaseFreedMemory()
{
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}
