// platform/core_assert.h: invariants of the core. Natively a broken invariant aborts the test
// that reached it; in the Windows build the check compiles to nothing.
#pragma once

#if defined(ORBILY_NATIVE)
extern "C" void abort(void);
#define CORE_ASSERT(condition) do { if (!(condition)) abort(); } while (0)
#else
#define CORE_ASSERT(condition) do { } while (0)
#endif
