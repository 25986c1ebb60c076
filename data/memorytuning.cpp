#include "memorytuning.h"

#include <malloc.h>

void KeepMemoryForResultTables() {
    mallopt(M_TRIM_THRESHOLD, 256 * 1024 * 1024);
    mallopt(M_TOP_PAD, 64 * 1024 * 1024);
}
