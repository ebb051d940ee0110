// What Windows reads from the program file itself: the icon Explorer, the taskbar and Alt+Tab
// show, the version Explorer's properties show, and that it is a windowed program.
#include "ProgramFile.h"

#include <QFile>
#include <QTest>

namespace {

quint16 field16(const QByteArray& bytes, qsizetype at) {
    return static_cast<quint16>(static_cast<quint8>(bytes[at]) | static_cast<quint8>(bytes[at + 1])
                                                                     << 8);
}

quint32 field32(const QByteArray& bytes, qsizetype at) {
    return field16(bytes, at) | static_cast<quint32>(field16(bytes, at + 2)) << 16;
}

QString versionString(const QByteArray& info, const char* name) {
    void* value = nullptr;
    UINT length = 0;
    const QString path = QStringLiteral("\\StringFileInfo\\040904B0\\%1").arg(QLatin1String(name));
    if (!VerQueryValueW(info.constData(), wide(path), &value, &length) || length == 0) {
        return {};
    }
    return QString::fromWCharArray(static_cast<const wchar_t*>(value),
                                   static_cast<qsizetype>(length) - 1);
}

QByteArray resource(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class ResourcesTest : public QObject {
    Q_OBJECT

private slots:
    // The icon group MAINICON holds the program file's icon file's images, entry for entry and
    // byte for byte; it is the program file's first icon, the one Explorer shows.
    void programIconIsMainIcon() {
        const ProgramResources program;
        QVERIFY(program.loaded());
        const QByteArray group = program.bytes(L"MAINICON", RT_GROUP_ICON);
        const QByteArray icon = resource(QStringLiteral(":/Windows/MAINICON.ico"));
        QVERIFY(!icon.isEmpty());

        const quint16 count = field16(icon, 4);
        QCOMPARE(count, quint16(5));
        QCOMPARE(group.size(), 6 + 14 * count);
        QCOMPARE(group.left(6), icon.left(6));
        for (qsizetype entry = 0; entry < count; ++entry) {
            const qsizetype fileEntry = 6 + 16 * entry;
            const qsizetype groupEntry = 6 + 14 * entry;
            QCOMPARE(group.mid(groupEntry, 12), icon.mid(fileEntry, 12));
            const quint16 id = field16(group, groupEntry + 12);
            const QByteArray image = program.bytes(MAKEINTRESOURCEW(id), RT_ICON);
            QCOMPARE(image, icon.mid(field32(icon, fileEntry + 12), field32(icon, fileEntry + 8)));
        }
        QCOMPARE(ExtractIconExW(wide(programPath()), -1, nullptr, nullptr, 0), 1u);
    }

    // Explorer and the taskbar show what the windows show: each image of the program file's
    // icon, as Windows decodes it, is the windows' icon's image of that size, pixel for pixel.
    void programIconShowsTheWindowsIcon() {
        const ProgramResources program;
        const QByteArray group = program.bytes(L"MAINICON", RT_GROUP_ICON);
        const QByteArray windowsIcon = resource(QStringLiteral(":/MAINICON.ico"));
        QVERIFY(!windowsIcon.isEmpty());
        const quint16 count = field16(windowsIcon, 4);
        QCOMPARE(group.size(), 6 + 14 * count);
        for (qsizetype entry = 0; entry < count; ++entry) {
            const qsizetype fileEntry = 6 + 16 * entry;
            const quint16 id = field16(group, 6 + 14 * entry + 12);
            const QImage shown = decodedIconImage(program.bytes(MAKEINTRESOURCEW(id), RT_ICON));
            const QImage drawn = decodedIconImage(windowsIcon.mid(
                field32(windowsIcon, fileEntry + 12), field32(windowsIcon, fileEntry + 8)));
            QVERIFY(!drawn.isNull());
            QCOMPARE(shown.size(), drawn.size());
            QVERIFY2(shown == drawn,
                     qPrintable(QStringLiteral("the %1-pixel image differs").arg(drawn.width())));
        }
    }

    void versionNamesTheProgramAndItsMaker() {
        DWORD ignored = 0;
        const DWORD size = GetFileVersionInfoSizeW(wide(programPath()), &ignored);
        QVERIFY(size > 0);
        QByteArray info(static_cast<qsizetype>(size), '\0');
        QVERIFY(GetFileVersionInfoW(wide(programPath()), 0, size, info.data()));

        QCOMPARE(versionString(info, "ProductName"), QStringLiteral("Pipe Weight"));
        QCOMPARE(versionString(info, "FileDescription"),
                 QStringLiteral("Steel pipe weight calculator"));
        QCOMPARE(versionString(info, "CompanyName"), QStringLiteral("VORDEK Engineering Co."));
        QCOMPARE(versionString(info, "LegalCopyright"),
                 QStringLiteral("Copyright (c) 2026 VORDEK Engineering Co."));
        QCOMPARE(versionString(info, "OriginalFilename"), QStringLiteral("pipeweight.exe"));
        QCOMPARE(versionString(info, "ProductVersion"), QStringLiteral(PIPEWEIGHT_VERSION));
        QCOMPARE(versionString(info, "FileVersion"), QStringLiteral(PIPEWEIGHT_VERSION));

        void* fixed = nullptr;
        UINT length = 0;
        QVERIFY(VerQueryValueW(info.constData(), L"\\", &fixed, &length));
        const auto* version = static_cast<const VS_FIXEDFILEINFO*>(fixed);
        QCOMPARE(version->dwSignature, DWORD(0xFEEF04BD));
        const QString numbers = QStringLiteral("%1.%2.%3")
                                    .arg(HIWORD(version->dwFileVersionMS))
                                    .arg(LOWORD(version->dwFileVersionMS))
                                    .arg(HIWORD(version->dwFileVersionLS));
        QCOMPARE(numbers, QStringLiteral(PIPEWEIGHT_VERSION));
        QCOMPARE(version->dwFileType, DWORD(VFT_APP));
    }

    // A windowed program: started from Explorer or a shortcut, no console window opens.
    void programUsesTheWindowsSubsystem() {
        QFile file(programPath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray header = file.read(4096);
        QCOMPARE(header.left(2), QByteArray("MZ"));
        const qsizetype pe = field32(header, 0x3C);
        QCOMPARE(header.mid(pe, 4), QByteArray("PE\0\0", 4));
        const qsizetype optional = pe + 4 + IMAGE_SIZEOF_FILE_HEADER;
        QCOMPARE(field16(header, optional), quint16(IMAGE_NT_OPTIONAL_HDR64_MAGIC));
        QCOMPARE(field16(header, optional + offsetof(IMAGE_OPTIONAL_HEADER64, Subsystem)),
                 quint16(IMAGE_SUBSYSTEM_WINDOWS_GUI));
    }
};

QTEST_GUILESS_MAIN(ResourcesTest)
#include "ResourcesTest.moc"
