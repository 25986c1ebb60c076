#pragma once

// Result tables are many small strings that come and go with every refresh. Left to its
// defaults, the allocator hands freed memory back to the system after each table and takes it
// again, page by page, for the next one; reading a large list then costs more in page faults than
// in decoding. Programs call this once at start to keep a generous reserve instead.
void KeepMemoryForResultTables();
