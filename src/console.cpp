// eortologio.com, the console program beside the windowed eortologio.exe. A
// user who types "eortologio" at a cmd.exe prompt starts it (cmd prefers .com
// to .exe): it runs eortologio.exe with the same arguments in the same console,
// waits for it and ends with its exit status, so that the prompt waits for the
// output and %ERRORLEVEL% is right. The Start menu starts the .exe itself.

#include <windows.h>

#include <cwchar>
#include <iterator>
#include <string>

int wmain()
{
    wchar_t self[32768];
    const DWORD length = GetModuleFileNameW(nullptr, self, DWORD(std::size(self)));
    std::wstring program(self, length);
    program.replace(program.size() - 4, 4, L".exe"); // eortologio.com -> eortologio.exe

    // The command line as typed, with the program's own name left out.
    const wchar_t *arguments = GetCommandLineW();
    for (bool quoted = false; *arguments && (quoted || (*arguments != L' ' && *arguments != L'\t')); ++arguments)
        quoted ^= *arguments == L'"';
    std::wstring commandLine = L"\"" + program + L"\"" + arguments;

    STARTUPINFOW startup {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION process {};
    if (!CreateProcessW(
            program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process)) {
        wchar_t message[40000];
        const int size = swprintf(message, std::size(message),
            L"eortologio: το «%ls» δεν ξεκίνησε (σφάλμα συστήματος %lu).\n", program.c_str(), GetLastError());
        const HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
        DWORD mode = 0, written = 0;
        if (GetConsoleMode(error, &mode)) {
            WriteConsoleW(error, message, DWORD(size), &written, nullptr);
        } else { // a file or a pipe gets UTF-8, as from the program itself
            char bytes[120000];
            const int count
                = WideCharToMultiByte(CP_UTF8, 0, message, size, bytes, int(sizeof bytes), nullptr, nullptr);
            WriteFile(error, bytes, DWORD(count), &written, nullptr);
        }
        return 1;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD status = 1;
    GetExitCodeProcess(process.hProcess, &status);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return int(status);
}
