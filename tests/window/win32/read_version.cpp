// Prints what Windows reads from an executable's version resource: the binary file and product versions, then
// the texts of the US English Unicode string block, one "Name=Value" a line.
#include "wide_text.h"

#include <cstdio>
#include <string>
#include <vector>
#include <windows.h>

namespace {

void PrintBinaryVersion(const char* name, DWORD high, DWORD low) {
    std::printf("%s=%lu.%lu.%lu.%lu\n", name, static_cast<unsigned long>(HIWORD(high)),
                static_cast<unsigned long>(LOWORD(high)), static_cast<unsigned long>(HIWORD(low)),
                static_cast<unsigned long>(LOWORD(low)));
}

} // namespace

int wmain(int argc, wchar_t* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: read_version FILE\n");
        return 2;
    }
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(argv[1], &ignored);
    std::vector<BYTE> data(size);
    if (size == 0 || !GetFileVersionInfoW(argv[1], 0, size, data.data())) {
        std::fprintf(stderr, "no version resource\n");
        return 1;
    }
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &length)) {
        PrintBinaryVersion("FILEVERSION", fixed->dwFileVersionMS, fixed->dwFileVersionLS);
        PrintBinaryVersion("PRODUCTVERSION", fixed->dwProductVersionMS, fixed->dwProductVersionLS);
    }
    for (const wchar_t* name : {L"CompanyName", L"FileDescription", L"FileVersion", L"InternalName", L"LegalCopyright",
                                L"OriginalFilename", L"ProductName", L"ProductVersion"}) {
        const std::wstring path = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
        wchar_t* value = nullptr;
        if (VerQueryValueW(data.data(), path.c_str(), reinterpret_cast<void**>(&value), &length)) {
            std::printf("%s=%s\n", testola::ToUtf8(name).c_str(), testola::ToUtf8(value).c_str());
        }
    }
    return 0;
}
