// app/runtime.cpp: the few C library functions that the compiler itself emits calls to.
// Written as string instructions: a plain loop here would be turned back into a call to itself.
#include <stddef.h>

extern "C" {

// gcc copies large records and arrays by calling memcpy
void* memcpy(void* destination, const void* source, size_t count)
{
    void* d = destination;
    __asm__ volatile("rep movsb" : "+D"(d), "+S"(source), "+c"(count) : : "memory");
    return destination;
}

// gcc zero-fills large locals and aggregate initialisers by calling memset
void* memset(void* destination, int value, size_t count)
{
    void* d = destination;
    __asm__ volatile("rep stosb" : "+D"(d), "+c"(count) : "a"(value) : "memory");
    return destination;
}

}
