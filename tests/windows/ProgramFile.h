// pipeweight.exe beside the test, the resources Windows reads from it, and its icons' images
// as Windows decodes them.
#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QImage>
#include <QString>
#include <windows.h>

inline QString programPath() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/pipeweight.exe");
}

inline const wchar_t* wide(const QString& text) {
    return reinterpret_cast<const wchar_t*>(text.utf16());
}

// The program file loaded for its resources only, as Explorer loads it.
class ProgramResources {
public:
    ProgramResources()
        : module_(LoadLibraryExW(wide(programPath()), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE)) {}
    ~ProgramResources() {
        if (module_ != nullptr) {
            FreeLibrary(module_);
        }
    }
    ProgramResources(const ProgramResources&) = delete;
    ProgramResources& operator=(const ProgramResources&) = delete;

    bool loaded() const { return module_ != nullptr; }

    // A resource's bytes, empty when there is none of that name and type.
    QByteArray bytes(const wchar_t* name, const wchar_t* type) const {
        HRSRC found = FindResourceW(module_, name, type);
        if (found == nullptr) {
            return {};
        }
        const auto* data = static_cast<const char*>(LockResource(LoadResource(module_, found)));
        return QByteArray(data, static_cast<qsizetype>(SizeofResource(module_, found)));
    }

private:
    HMODULE module_;
};

// An icon file's image (an RT_ICON resource's bytes) as Windows decodes it, premultiplied; a
// null image when it cannot be decoded.
inline QImage decodedIconImage(QByteArray image) {
    if (image.isEmpty()) {
        return {};
    }
    HICON icon = CreateIconFromResourceEx(reinterpret_cast<PBYTE>(image.data()),
                                          static_cast<DWORD>(image.size()), TRUE, 0x00030000, 0, 0,
                                          LR_DEFAULTCOLOR);
    if (icon == nullptr) {
        return {};
    }
    QImage decoded = QImage::fromHICON(icon);
    DestroyIcon(icon);
    return decoded;
}
