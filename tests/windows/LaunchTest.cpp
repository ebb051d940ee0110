// The real program started as Windows starts it: from a shortcut whose "Run" setting asks for a
// normal, maximised or minimised window, which the main window obeys; closing the main window
// ends it with exit code 0. Its windows carry the program icon for the taskbar and Alt+Tab.
#include "app/CreateForm.h"
#include "app/StartUp.h"
#include "calc/Unit1.h"

#include <QApplication>
#include <QTest>
#include <memory>
#include <windows.h>

namespace {

struct Started {
    PROCESS_INFORMATION process{};
    HWND window = nullptr;
};

struct Search {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK findMainWindow(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<Search*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t title[64] = {};
    GetWindowTextW(window, title, 64);
    if (owner == search->processId && IsWindowVisible(window) &&
        lstrcmpW(title, L"Pipe Weight (Sch)") == 0) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// Starts the program as a shortcut with this "Run" setting does and waits for its main window.
Started start(WORD showWindow) {
    QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/pipeweight.exe");
    std::wstring commandLine = L"\"" + program.replace(u'/', u'\\').toStdWString() + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = showWindow;
    Started started;
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &started.process)) {
        return started;
    }
    Search search{started.process.dwProcessId, nullptr};
    const bool shown = QTest::qWaitFor(
        [&] {
            EnumWindows(findMainWindow, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
        },
        20000);
    started.window = shown ? search.found : nullptr;
    return started;
}

// The side of an icon's image in pixels, 0 for no icon.
int iconSide(LRESULT handle) {
    ICONINFO info{};
    if (handle == 0 || !GetIconInfo(reinterpret_cast<HICON>(handle), &info)) {
        return 0;
    }
    BITMAP bitmap{};
    GetObjectW(info.hbmColor, sizeof bitmap, &bitmap);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return bitmap.bmWidth;
}

// Closes the main window as its close box does; the exit code, or -1 if it did not end.
long closeAndWait(const Started& started) {
    PostMessageW(started.window, WM_CLOSE, 0, 0);
    DWORD code = STILL_ACTIVE;
    if (WaitForSingleObject(started.process.hProcess, 20000) == WAIT_OBJECT_0) {
        GetExitCodeProcess(started.process.hProcess, &code);
    } else {
        TerminateProcess(started.process.hProcess, 1);
        code = static_cast<DWORD>(-1);
    }
    CloseHandle(started.process.hThread);
    CloseHandle(started.process.hProcess);
    return static_cast<long>(code);
}

} // namespace

class LaunchTest : public QObject {
    Q_OBJECT

private slots:
    void mainWindowObeysTheRunSetting_data() {
        QTest::addColumn<int>("showWindow");
        QTest::addColumn<bool>("minimised");
        QTest::addColumn<bool>("maximised");
        QTest::newRow("normal window") << int(SW_SHOWNORMAL) << false << false;
        QTest::newRow("maximised") << int(SW_SHOWMAXIMIZED) << false << true;
        QTest::newRow("minimised") << int(SW_SHOWMINNOACTIVE) << true << false;
        QTest::newRow("minimised, active") << int(SW_SHOWMINIMIZED) << true << false;
    }
    void mainWindowObeysTheRunSetting() {
        QFETCH(int, showWindow);
        QFETCH(bool, minimised);
        QFETCH(bool, maximised);
        const Started started = start(static_cast<WORD>(showWindow));
        QVERIFY2(started.window != nullptr, "no main window");
        const bool iconic = QTest::qWaitFor([&] { return IsIconic(started.window) == minimised; });
        const bool zoomed = IsZoomed(started.window) != FALSE;
        RECT client{};
        GetClientRect(started.window, &client);
        QCOMPARE(closeAndWait(started), 0L);
        QVERIFY(iconic);
        QCOMPARE(zoomed, maximised);
        if (!minimised && !maximised) {
            QCOMPARE(client.right - client.left, 385L);
            QCOMPARE(client.bottom - client.top, 455L);
        }
    }

    // What the taskbar and Alt+Tab show. Asked of the program's own windows: Wine does not
    // answer WM_GETICON from another process.
    void windowsCarryTheProgramIcon() {
        app::initialiseApplication(*qApp);
        const std::unique_ptr<TForm1> calculator{app::createForm(Form1)};
        app::showMainWindow(*Form1);
        QVERIFY(QTest::qWaitForWindowExposed(Form1));
        const auto window = reinterpret_cast<HWND>(Form1->winId());
        QCOMPARE(iconSide(SendMessageW(window, WM_GETICON, ICON_BIG, 0)),
                 GetSystemMetrics(SM_CXICON));
        QCOMPARE(iconSide(SendMessageW(window, WM_GETICON, ICON_SMALL, 0)),
                 GetSystemMetrics(SM_CXSMICON));
    }
};

QTEST_MAIN(LaunchTest)
#include "LaunchTest.moc"
