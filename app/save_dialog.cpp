// app/save_dialog.cpp: the common Save As dialog of the three exports, and the message that
// tells the user a save failed. A failed save must never pass unnoticed.
#include "app/app.h"
#include <commdlg.h>

static const char SAVE_FAILED_TITLE[] = "Orbily";
static const char SAVE_FAILED_TEXT[] = "The file could not be saved:\r\n";
static const int REASON_CAPACITY = 512;

// Room for the text, the longest path and the system's reason.
static char failure_message[sizeof SAVE_FAILED_TEXT + SAVE_PATH_CAPACITY + 4 + REASON_CAPACITY];

int choose_save_file(char* path, const char* filter, const char* default_extension)
{
    OPENFILENAMEA dialog = {};
    // the size of the first, shorter form of the record, which every system accepts
    dialog.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    dialog.hwndOwner = main_window;
    dialog.lpstrFilter = filter;
    dialog.lpstrFile = path;
    dialog.nMaxFile = SAVE_PATH_CAPACITY - 4;   // leaves room for the default extension
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST;
    dialog.lpstrDefExt = default_extension;
    path[0] = 0;   // the dialog starts without a name, in the folder it chooses itself
    return GetSaveFileNameA(&dialog);
}

const char* save_failure_text(const char* path, int error)
{
    lstrcpyA(failure_message, SAVE_FAILED_TEXT);
    lstrcatA(failure_message, path);
    lstrcatA(failure_message, "\r\n\r\n");
    char* reason = failure_message + lstrlenA(failure_message);
    const DWORD flags = FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS;
    if (!FormatMessageA(flags, NULL, DWORD(error), 0, reason, REASON_CAPACITY, NULL))
        wsprintfA(reason, "Error %d.", error);
    return failure_message;
}

void report_save_failure(const char* path, int error)
{
    MessageBoxA(main_window, save_failure_text(path, error), SAVE_FAILED_TITLE, MB_OK | MB_ICONERROR);
}
