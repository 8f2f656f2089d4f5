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

// gcc turns a loop that shifts an array within itself into memmove (the ranking of a statistic)
void* memmove(void* destination, const void* source, size_t count)
{
    if (count == 0 || destination <= source || (const char*)source + count <= destination)
        return memcpy(destination, source, count);   // a forward copy never reads what it wrote
    // the destination overlaps the source from above: copy downward from the last byte
    void* d = (char*)destination + count - 1;
    const void* s = (const char*)source + count - 1;
    __asm__ volatile("std\n\trep movsb\n\tcld" : "+D"(d), "+S"(s), "+c"(count) : : "memory");
    return destination;
}

// gcc turns the number formatter's length loop into strlen
size_t strlen(const char* text)
{
    const char* end = text;
    size_t count = ~size_t(0);
    __asm__ volatile("repne scasb" : "+D"(end), "+c"(count) : "a"(0), "m"(*(const char(*)[])text));
    return size_t(end - text) - 1;
}

}
