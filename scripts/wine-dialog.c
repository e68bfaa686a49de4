/* For the installer's tests in scripts/windows, run under Wine: waits for a
 * window whose title begins with TITLE and which has an enabled button of the
 * id BUTTON (1 Next or OK, 2 Cancel, 6 Yes, 7 No), prints the texts of
 * the controls it shows, one a line, in UTF-8, and clicks that button.
 * Fails if no such window comes within 30 seconds.
 * Usage: wine-dialog.exe TITLE BUTTON
 * scripts/windows builds it with MinGW-w64 (-municode, for wmain). */
#include <fcntl.h>
#include <io.h>
#include <stdio.h>
#include <stdlib.h>
#include <wchar.h>
#include <windows.h>

struct search
{
    const wchar_t *title;
    int button;
    HWND found;
};

static BOOL CALLBACK find(HWND window, LPARAM data)
{
    struct search *search = (struct search *)data;
    wchar_t title[256];
    HWND button;
    if (!IsWindowVisible(window) || !GetWindowTextW(window, title, 256)
        || wcsncmp(title, search->title, wcslen(search->title)) != 0)
        return TRUE;
    button = GetDlgItem(window, search->button);
    if (!button || !IsWindowVisible(button) || !IsWindowEnabled(button))
        return TRUE;
    search->found = window;
    return FALSE;
}

static BOOL CALLBACK print(HWND control, LPARAM unused)
{
    wchar_t text[4096];
    char line[4 * 4096];
    int size;
    (void)unused;
    if (!IsWindowVisible(control) || GetWindowTextW(control, text, 4096) == 0)
        return TRUE;
    size = WideCharToMultiByte(CP_UTF8, 0, text, -1, line, sizeof line, NULL, NULL);
    if (size > 0)
        printf("%s\n", line);
    return TRUE;
}

int wmain(int argc, wchar_t **argv)
{
    struct search search = {0};
    DWORD process_id;
    HANDLE process;
    if (argc != 3) {
        fprintf(stderr, "Usage: wine-dialog.exe TITLE BUTTON\n");
        return 2;
    }
    _setmode(_fileno(stdout), _O_BINARY); /* lines end in \n, as on Linux */
    search.title = argv[1];
    search.button = _wtoi(argv[2]);
    for (int i = 0; i < 300 && !search.found; ++i) {
        EnumWindows(find, (LPARAM)&search);
        if (!search.found)
            Sleep(100);
    }
    if (!search.found) {
        fprintf(stderr, "wine-dialog: no window with that title and button %d\n", search.button);
        return 1;
    }
    /* Once its program waits for the user, the window shows its page; a
     * moment more is for a page that a message still on its way puts up. */
    GetWindowThreadProcessId(search.found, &process_id);
    process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, process_id);
    if (process) {
        WaitForInputIdle(process, 10000);
        CloseHandle(process);
    }
    Sleep(500);
    EnumChildWindows(search.found, print, 0);
    fflush(stdout);
    PostMessageW(search.found, WM_COMMAND, MAKEWPARAM(search.button, BN_CLICKED),
        (LPARAM)GetDlgItem(search.found, search.button));
    return 0;
}
