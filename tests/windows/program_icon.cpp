// program_icon: writes the icon a Windows program file shows, its first icon group as Explorer
// takes it, as an icon file: the directory, then the images in the group's order.
//
//   program_icon <program.exe> <icon file>
#include <cstdio>
#include <vector>
#include <windows.h>

namespace {

HRSRC firstGroup = nullptr;

BOOL CALLBACK takeFirst(HMODULE module, LPCWSTR type, LPWSTR name, LONG_PTR) {
    firstGroup = FindResourceW(module, name, type);
    return FALSE;
}

std::vector<unsigned char> resourceBytes(HMODULE module, HRSRC resource) {
    const auto* data =
        static_cast<const unsigned char*>(LockResource(LoadResource(module, resource)));
    return {data, data + SizeofResource(module, resource)};
}

void put32(std::vector<unsigned char>& out, DWORD value) {
    for (int shift = 0; shift < 32; shift += 8) {
        out.push_back(static_cast<unsigned char>(value >> shift));
    }
}

} // namespace

int main() {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (count != 3) {
        std::fprintf(stderr, "usage: program_icon <program.exe> <icon file>\n");
        return 2;
    }
    HMODULE module = LoadLibraryExW(arguments[1], nullptr,
                                    LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (module == nullptr) {
        std::fprintf(stderr, "program_icon: cannot load the program file (%lu)\n", GetLastError());
        return 1;
    }
    EnumResourceNamesW(module, RT_GROUP_ICON, takeFirst, 0);
    if (firstGroup == nullptr) {
        std::fprintf(stderr, "program_icon: the program file has no icon\n");
        return 1;
    }
    // The group's entries are the file's, with a resource id where the file has an offset.
    const std::vector<unsigned char> group = resourceBytes(module, firstGroup);
    const std::size_t images = group[4] | group[5] << 8;
    std::vector<unsigned char> file(group.begin(), group.begin() + 6);
    std::vector<unsigned char> pictures;
    const DWORD firstOffset = static_cast<DWORD>(6 + 16 * images);
    for (std::size_t i = 0; i < images; ++i) {
        const unsigned char* entry = group.data() + 6 + 14 * i;
        file.insert(file.end(), entry, entry + 12);
        put32(file, firstOffset + static_cast<DWORD>(pictures.size()));
        const WORD id = static_cast<WORD>(entry[12] | entry[13] << 8);
        HRSRC image = FindResourceW(module, MAKEINTRESOURCEW(id), RT_ICON);
        if (image == nullptr) {
            std::fprintf(stderr, "program_icon: the icon group names a missing image %u\n", id);
            return 1;
        }
        const std::vector<unsigned char> bytes = resourceBytes(module, image);
        pictures.insert(pictures.end(), bytes.begin(), bytes.end());
    }
    file.insert(file.end(), pictures.begin(), pictures.end());
    FILE* out = _wfopen(arguments[2], L"wb");
    if (out == nullptr || std::fwrite(file.data(), 1, file.size(), out) != file.size() ||
        std::fclose(out) != 0) {
        std::fprintf(stderr, "program_icon: cannot write the icon file\n");
        return 1;
    }
    return 0;
}
