// The real program started as Windows starts it: from a shortcut whose "Run" setting asks for a
// normal, maximised or minimised window, which the main window obeys; closing the main window
// ends it with exit code 0. Its windows carry the program icon, MAINICON, for the taskbar and
// Alt+Tab.
#include "ProgramFile.h"
#include "app/CreateForm.h"
#include "app/StartUp.h"
#include "calc/Unit1.h"

#include <QApplication>
#include <QImage>
#include <QTest>
#include <algorithm>
#include <cstdlib>
#include <memory>

namespace {

// UI Automation's object id for WM_GETOBJECT, from uiautomationcoreapi.h: Debian 12's mingw-w64
// copy of that header names a parameter 'new' and so cannot be included in C++.
constexpr LPARAM UiaRootObjectId = -25;

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
    QString program = programPath();
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

// An icon's image as Windows draws it (premultiplied alpha); a null image for no icon.
QImage drawnIcon(LRESULT handle) {
    return handle == 0 ? QImage() : QImage::fromHICON(reinterpret_cast<HICON>(handle));
}

// The image of pipeweight.exe's MAINICON that Windows picks for a square of this side, as
// Windows decodes it: what the taskbar and Explorer show for the program file.
QImage mainIconFor(int side) {
    const ProgramResources program;
    QByteArray group = program.bytes(L"MAINICON", RT_GROUP_ICON);
    const int id = LookupIconIdFromDirectoryEx(reinterpret_cast<PBYTE>(group.data()), TRUE, side,
                                               side, LR_DEFAULTCOLOR);
    if (group.isEmpty()) {
        return {};
    }
    return decodedIconImage(program.bytes(MAKEINTRESOURCEW(id), RT_ICON));
}

// A channel of a 32-bit pixel, by its shift.
int channel(QRgb pixel, int shift) {
    return int((pixel >> shift) & 0xff);
}

constexpr int kChannelShifts[] = {0, 8, 16, 24};

// Half the side, each pixel the mean of the four it covers: how Qt scales a premultiplied
// image down by two, but for its rounding.
QImage halved(const QImage& image) {
    const QImage source = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage half(source.size() / 2, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < half.height(); ++y) {
        const auto* upper = reinterpret_cast<const QRgb*>(source.constScanLine(2 * y));
        const auto* lower = reinterpret_cast<const QRgb*>(source.constScanLine(2 * y + 1));
        auto* row = reinterpret_cast<QRgb*>(half.scanLine(y));
        for (int x = 0; x < half.width(); ++x) {
            row[x] = 0;
            for (const int shift : kChannelShifts) {
                const int sum = channel(upper[2 * x], shift) + channel(upper[2 * x + 1], shift) +
                                channel(lower[2 * x], shift) + channel(lower[2 * x + 1], shift);
                row[x] |= QRgb((sum + 2) / 4) << shift;
            }
        }
    }
    return half;
}

// The largest difference in any channel of any pixel, premultiplied; -1 when the sizes differ.
int largestDifference(const QImage& a, const QImage& b) {
    if (a.size() != b.size() || a.isNull()) {
        return -1;
    }
    const QImage first = a.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage second = b.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    int largest = 0;
    for (int y = 0; y < first.height(); ++y) {
        const auto* one = reinterpret_cast<const QRgb*>(first.constScanLine(y));
        const auto* other = reinterpret_cast<const QRgb*>(second.constScanLine(y));
        for (int x = 0; x < first.width(); ++x) {
            for (const int shift : kChannelShifts) {
                largest =
                    std::max(largest, std::abs(channel(one[x], shift) - channel(other[x], shift)));
            }
        }
    }
    return largest;
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

    // Screen readers find the windows through UI Automation: asked for its automation
    // provider from another process, as a screen reader asks, the main window answers with
    // Qt's. A Qt without UI Automation would leave the question to the default window
    // procedure, which answers 0.
    void mainWindowAnswersScreenReaders() {
        const Started started = start(SW_SHOWNORMAL);
        QVERIFY2(started.window != nullptr, "no main window");
        DWORD_PTR provider = 0;
        // Not SMTO_ABORTIFHUNG: on a busy machine a program still starting counts as hung after
        // 5 s without reading its messages, and the question would be dropped unasked.
        const LRESULT sent = SendMessageTimeoutW(started.window, WM_GETOBJECT, 0, UiaRootObjectId,
                                                 SMTO_NORMAL, 60000, &provider);
        QCOMPARE(closeAndWait(started), 0L);
        QVERIFY(sent != 0);
        QVERIFY(provider != 0);
    }

    // What the taskbar and Alt+Tab show: MAINICON's own 32-pixel image, pixel for pixel, as the
    // large icon, and as the small one, which MAINICON has no image of, that image halved, to
    // within Qt's rounding in the halving. Compared premultiplied, as Windows draws them. Asked
    // of the program's own windows: Wine does not answer WM_GETICON from another process.
    void windowsCarryTheProgramIcon() {
        app::initialiseApplication(*qApp);
        const std::unique_ptr<TForm1> calculator{app::createForm(Form1)};
        app::showMainWindow(*Form1);
        QVERIFY(QTest::qWaitForWindowExposed(Form1));
        const auto window = reinterpret_cast<HWND>(Form1->winId());
        const int big = GetSystemMetrics(SM_CXICON);
        const QImage mainIcon = mainIconFor(big);
        QCOMPARE(mainIcon.size(), QSize(big, big));

        const int bigDifference =
            largestDifference(drawnIcon(SendMessageW(window, WM_GETICON, ICON_BIG, 0)), mainIcon);
        const int smallDifference = largestDifference(
            drawnIcon(SendMessageW(window, WM_GETICON, ICON_SMALL, 0)), halved(mainIcon));
        qInfo("window icon against MAINICON: %d levels apart at %d pixels, %d at %d pixels",
              bigDifference, big, smallDifference, GetSystemMetrics(SM_CXSMICON));
        QCOMPARE(bigDifference, 0);
        QCOMPARE(GetSystemMetrics(SM_CXSMICON), big / 2);
        QVERIFY(smallDifference == 0 || smallDifference == 1);
    }
};

QTEST_MAIN(LaunchTest)
#include "LaunchTest.moc"
