#include "platform/RegistryApi.h"

LONG RegistryApi::RegOpenKeyExA(HKEY key, const char* subKey, REGSAM access, HKEY* result) {
    return ::RegOpenKeyExA(key, subKey, 0, access, result);
}

LONG RegistryApi::RegCreateKeyExA(HKEY key, const char* subKey, REGSAM access, HKEY* result) {
    char emptyClass[] = "";
    return ::RegCreateKeyExA(key, subKey, 0, emptyClass, REG_OPTION_NON_VOLATILE, access, nullptr,
                             result, nullptr);
}

LONG RegistryApi::RegCloseKey(HKEY key) { return ::RegCloseKey(key); }

LONG RegistryApi::RegQueryValueExA(HKEY key, const char* name, DWORD* type, BYTE* data,
                                   DWORD* size) {
    return ::RegQueryValueExA(key, name, nullptr, type, data, size);
}

LONG RegistryApi::RegSetValueExA(HKEY key, const char* name, DWORD type, const BYTE* data,
                                 DWORD size) {
    return ::RegSetValueExA(key, name, 0, type, data, size);
}

LONG RegistryApi::RegDeleteKeyA(HKEY key, const char* subKey) {
    return ::RegDeleteKeyA(key, subKey);
}

LONG RegistryApi::RegDeleteValueA(HKEY key, const char* name) {
    return ::RegDeleteValueA(key, name);
}

LONG RegistryApi::RegEnumValueA(HKEY key, DWORD index, char* name, DWORD* nameLength) {
    return ::RegEnumValueA(key, index, name, nameLength, nullptr, nullptr, nullptr, nullptr);
}

LONG RegistryApi::RegEnumValueDataA(HKEY key, DWORD index, char* name, DWORD* nameLength,
                                    DWORD* type, BYTE* data, DWORD* dataSize) {
    return ::RegEnumValueA(key, index, name, nameLength, nullptr, type, data, dataSize);
}

LONG RegistryApi::RegEnumKeyA(HKEY key, DWORD index, char* name, DWORD nameSize) {
    return ::RegEnumKeyA(key, index, name, nameSize);
}

LONG RegistryApi::RegQueryInfoKeyA(HKEY key, DWORD* maxValueNameLength) {
    return ::RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                              maxValueNameLength, nullptr, nullptr, nullptr);
}

DWORD RegistryApi::ExpandEnvironmentStringsA(const char* text, char* buffer, DWORD size) {
    return ::ExpandEnvironmentStringsA(text, buffer, size);
}

IRegistryApi& SystemRegistryApi() {
    static RegistryApi api;
    return api;
}
