// wizard_probe: reads the installer's wizard as Windows sees it, for the package test under
// Wine, where no screen reader reaches it.
//
//   wizard_probe controls <window title>
//     "client W H", the window's client size, then one line per shown control of the window and
//     of the page in it: "kind<TAB>x y w h<TAB>text", placed in the client area. The kind is
//     "picture" (a bitmap), "text", "button", "checked" or "unchecked" (a check box), or the
//     control's class. The window is the shown one whose title, without the blanks around it,
//     is the one given (the wizard appends a blank to it after its first page). Fails when
//     there is none.
//   wizard_probe processes
//     one line per process: "file name<TAB>process id<TAB>id of the process that started it".
#include <cstdio>
#include <cwchar>
#include <string>
#include <windows.h>
// After windows.h, whose types it uses.
#include <tlhelp32.h>

namespace {

// UTF-8 for the shell that reads it; a control's line breaks become blanks, so that each
// control stays on one line.
std::string utf8(std::wstring text) {
    for (wchar_t& c : text) {
        if (c == L'\r' || c == L'\n' || c == L'\t') {
            c = L' ';
        }
    }
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, bytes.data(), size, nullptr, nullptr);
    bytes.resize(static_cast<std::size_t>(size > 0 ? size - 1 : 0));
    return bytes;
}

std::wstring windowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    // The ampersand only marks the access key, which the control underlines.
    std::wstring shown;
    for (wchar_t c : text) {
        if (c != L'&') {
            shown += c;
        }
    }
    return shown;
}

std::string kindOf(HWND control) {
    wchar_t name[64] = {};
    GetClassNameW(control, name, 64);
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(control, GWL_STYLE));
    if (_wcsicmp(name, L"Static") == 0) {
        return (style & SS_TYPEMASK) == SS_BITMAP ? "picture" : "text";
    }
    if (_wcsicmp(name, L"Button") == 0) {
        const DWORD type = style & BS_TYPEMASK;
        if (type == BS_CHECKBOX || type == BS_AUTOCHECKBOX) {
            return SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED ? "checked"
                                                                           : "unchecked";
        }
        return "button";
    }
    return utf8(name);
}

HWND wizard = nullptr;

std::wstring trimmed(const std::wstring& text) {
    const auto first = text.find_first_not_of(L' ');
    return first == std::wstring::npos
               ? std::wstring()
               : text.substr(first, text.find_last_not_of(L' ') - first + 1);
}

BOOL CALLBACK findWizard(HWND window, LPARAM title) {
    if (IsWindowVisible(window) &&
        trimmed(windowText(window)) == reinterpret_cast<const wchar_t*>(title)) {
        wizard = window;
        return FALSE;
    }
    return TRUE;
}

// Names the shown windows on stderr, for a test that did not find the one it awaited.
BOOL CALLBACK nameShown(HWND window, LPARAM) {
    if (IsWindowVisible(window)) {
        std::fprintf(stderr, " \"%s\"", utf8(windowText(window)).c_str());
    }
    return TRUE;
}

BOOL CALLBACK listControl(HWND control, LPARAM) {
    if (!IsWindowVisible(control)) {
        return TRUE;
    }
    RECT place{};
    GetWindowRect(control, &place);
    MapWindowPoints(HWND_DESKTOP, wizard, reinterpret_cast<POINT*>(&place), 2);
    std::printf("%s\t%ld %ld %ld %ld\t%s\n", kindOf(control).c_str(), place.left, place.top,
                place.right - place.left, place.bottom - place.top,
                utf8(windowText(control)).c_str());
    return TRUE;
}

int listControls(const wchar_t* title) {
    EnumWindows(findWizard, reinterpret_cast<LPARAM>(title));
    if (wizard == nullptr) {
        std::fprintf(stderr, "wizard_probe: no window titled %s; shown:", utf8(title).c_str());
        EnumWindows(nameShown, 0);
        std::fprintf(stderr, "\n");
        return 1;
    }
    RECT client{};
    GetClientRect(wizard, &client);
    std::printf("client %ld %ld\n", client.right, client.bottom);
    EnumChildWindows(wizard, listControl, 0);
    return 0;
}

int listProcesses() {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) {
        std::fprintf(stderr, "wizard_probe: no process snapshot (%lu)\n", GetLastError());
        return 1;
    }
    PROCESSENTRY32W process{};
    process.dwSize = sizeof process;
    for (BOOL more = Process32FirstW(snapshot, &process); more;
         more = Process32NextW(snapshot, &process)) {
        std::printf("%s\t%lu\t%lu\n", utf8(process.szExeFile).c_str(), process.th32ProcessID,
                    process.th32ParentProcessID);
    }
    CloseHandle(snapshot);
    return 0;
}

} // namespace

int main() {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (count == 3 && std::wcscmp(arguments[1], L"controls") == 0) {
        return listControls(arguments[2]);
    }
    if (count == 2 && std::wcscmp(arguments[1], L"processes") == 0) {
        return listProcesses();
    }
    std::fprintf(stderr, "usage: wizard_probe controls <window title> | processes\n");
    return 2;
}
