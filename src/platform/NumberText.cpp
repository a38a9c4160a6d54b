#include "platform/NumberText.h"

#include <windows.h>

#include <shlwapi.h>

namespace {

std::string Utf8(const wchar_t* text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) return "";
    std::string utf8(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8.data(), size, nullptr, nullptr);
    utf8.pop_back();
    return utf8;
}

// The locale's grouping ("3;0" → 3, "3;2;0" → 32) as NUMBERFMTW wants it.
UINT Grouping() {
    wchar_t text[16] = {};
    if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SGROUPING, text, 16) == 0) return 3;
    UINT grouping = 0;
    for (const wchar_t* c = text; *c != L'\0'; ++c) {
        if (*c >= L'1' && *c <= L'9') grouping = grouping * 10 + static_cast<UINT>(*c - L'0');
    }
    // "3;0" repeats the last group; a grouping without the trailing 0 does not.
    const std::wstring_view view(text);
    if (!view.ends_with(L";0")) grouping *= 10;
    return grouping;
}

}  // namespace

std::string CountText(std::uint64_t count) {
    const std::wstring digits = std::to_wstring(count);
    wchar_t decimal[8] = L".";
    wchar_t thousand[8] = L",";
    GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, decimal, 8);
    GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_STHOUSAND, thousand, 8);
    NUMBERFMTW format{};
    format.NumDigits = 0;
    format.LeadingZero = 0;
    format.Grouping = Grouping();
    format.lpDecimalSep = decimal;
    format.lpThousandSep = thousand;
    format.NegativeOrder = 1;
    wchar_t grouped[64] = {};
    if (GetNumberFormatEx(LOCALE_NAME_USER_DEFAULT, 0, digits.c_str(), &format, grouped, 64) == 0)
        return std::to_string(count);
    return Utf8(grouped);
}

std::string ByteSizeText(std::uint64_t bytes) {
    wchar_t text[64] = {};
    if (StrFormatByteSizeW(static_cast<LONGLONG>(bytes), text, 64) == nullptr) {
        return std::to_string(bytes) + " bytes";
    }
    return Utf8(text);
}
