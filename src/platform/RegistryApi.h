// The registry functions of advapi32 (and ExpandEnvironmentStringsA) behind a small interface,
// so that cRegistry can be given a decorated implementation that makes a chosen call fail.
// Every registry method answers the platform's status code (0 success, 234 more data, ...).
#pragma once

#include <windows.h>

class IRegistryApi {
  public:
    virtual ~IRegistryApi() = default;
    virtual LONG RegOpenKeyExA(HKEY key, const char* subKey, REGSAM access, HKEY* result) = 0;
    // Class string empty, non-volatile, default security; creates missing parent keys.
    virtual LONG RegCreateKeyExA(HKEY key, const char* subKey, REGSAM access, HKEY* result) = 0;
    virtual LONG RegCloseKey(HKEY key) = 0;
    virtual LONG RegQueryValueExA(HKEY key, const char* name, DWORD* type, BYTE* data,
                                  DWORD* size) = 0;
    virtual LONG RegSetValueExA(HKEY key, const char* name, DWORD type, const BYTE* data,
                                DWORD size) = 0;
    virtual LONG RegDeleteKeyA(HKEY key, const char* subKey) = 0;
    virtual LONG RegDeleteValueA(HKEY key, const char* name) = 0;
    // The value name at index; type and data are not requested. nameLength is in characters.
    virtual LONG RegEnumValueA(HKEY key, DWORD index, char* name, DWORD* nameLength) = 0;
    // The value name, type and data at index. nameLength is in characters, dataSize in bytes;
    // 234 (more data) reports the data size needed in dataSize.
    virtual LONG RegEnumValueDataA(HKEY key, DWORD index, char* name, DWORD* nameLength,
                                   DWORD* type, BYTE* data, DWORD* dataSize) = 0;
    virtual LONG RegEnumKeyA(HKEY key, DWORD index, char* name, DWORD nameSize) = 0;
    // The length of the key's longest value name, in characters.
    virtual LONG RegQueryInfoKeyA(HKEY key, DWORD* maxValueNameLength) = 0;
    // Answers the characters needed, terminator included; 0 on failure.
    virtual DWORD ExpandEnvironmentStringsA(const char* text, char* buffer, DWORD size) = 0;
};

// Forwards every call to the system.
class RegistryApi : public IRegistryApi {
  public:
    LONG RegOpenKeyExA(HKEY key, const char* subKey, REGSAM access, HKEY* result) override;
    LONG RegCreateKeyExA(HKEY key, const char* subKey, REGSAM access, HKEY* result) override;
    LONG RegCloseKey(HKEY key) override;
    LONG RegQueryValueExA(HKEY key, const char* name, DWORD* type, BYTE* data,
                          DWORD* size) override;
    LONG RegSetValueExA(HKEY key, const char* name, DWORD type, const BYTE* data,
                        DWORD size) override;
    LONG RegDeleteKeyA(HKEY key, const char* subKey) override;
    LONG RegDeleteValueA(HKEY key, const char* name) override;
    LONG RegEnumValueA(HKEY key, DWORD index, char* name, DWORD* nameLength) override;
    LONG RegEnumValueDataA(HKEY key, DWORD index, char* name, DWORD* nameLength, DWORD* type,
                           BYTE* data, DWORD* dataSize) override;
    LONG RegEnumKeyA(HKEY key, DWORD index, char* name, DWORD nameSize) override;
    LONG RegQueryInfoKeyA(HKEY key, DWORD* maxValueNameLength) override;
    DWORD ExpandEnvironmentStringsA(const char* text, char* buffer, DWORD size) override;
};

// The one real implementation, shared by every cRegistry built without an explicit API.
IRegistryApi& SystemRegistryApi();
