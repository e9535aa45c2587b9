// Runs the command line that follows its own name with TZ removed from the Windows environment.
// Wine takes the Windows zone from the Unix TZ, but also copies TZ=Area/City into the Windows
// environment, where the C runtime misreads it; Windows itself sets no TZ.
#include <windows.h>

int main() {
    const wchar_t* rest = GetCommandLineW();
    // Skips this program's own name, quoted or not, then the blanks after it.
    if (*rest == L'"') {
        do ++rest;
        while (*rest != L'\0' && *rest != L'"');
        if (*rest == L'"') ++rest;
    }
    while (*rest != L'\0' && *rest != L' ' && *rest != L'\t') ++rest;
    while (*rest == L' ' || *rest == L'\t') ++rest;

    SetEnvironmentVariableW(L"TZ", nullptr);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    wchar_t* line = _wcsdup(rest);
    if (!CreateProcessW(nullptr, line, nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                        &process)) {
        return 127;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD status = 1;
    GetExitCodeProcess(process.hProcess, &status);
    return static_cast<int>(status);
}
