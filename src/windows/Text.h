#pragma once

#include <windows.h>

#include <string>

// The game's texts are UTF-8; Windows' wide functions take UTF-16. These convert at the seam.
std::wstring Widen(const std::string& utf8);
std::string Narrow(const std::wstring& utf16);

std::string WindowText(HWND window);
void SetWindowTextUtf8(HWND window, const std::string& text);
