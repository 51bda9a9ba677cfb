#include "UserLanguages.h"

#include <windows.h>

#include "Text.h"

std::vector<std::string> UserLanguages() {
    ULONG count = 0;
    ULONG size = 0;
    if (!GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, nullptr, &size) || size == 0) {
        return {};
    }
    std::wstring names(size, L'\0');
    if (!GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, names.data(), &size)) {
        return {};
    }
    // A list of names, each ended by a null, the whole ended by another.
    std::vector<std::string> languages;
    for (const wchar_t* name = names.c_str(); *name != L'\0'; name += std::wcslen(name) + 1) {
        languages.push_back(Narrow(name));
    }
    return languages;
}
