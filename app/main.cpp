// app/main.cpp: the process entry. There is no C runtime, so nothing runs before this function
// and nothing after it: it must end the process itself.
#include "app/app.h"

extern "C" void WinMainCRTStartup()
{
    ExitProcess(UINT(run_application(SW_SHOWNORMAL)));
}
