// Test decorator of the registry API: forwards every call to the real registry and makes one
// chosen call fail, either with a status code or by raising a run-time error from inside it.
// It also counts keys opened and closed, so tests can see that nothing stays open.
#pragma once

#include <string>

#include "platform/AppError.h"
#include "platform/RegistryApi.h"

enum class RegCall {
    None,
    OpenKey,
    CreateKey,
    CloseKey,
    QueryValue,
    SetValue,
    DeleteKey,
    DeleteValue,
    EnumValue,  // both forms: names only, and names with data
    EnumKey,
    QueryInfoKey,
    Expand
};

class FailingRegistryApi : public IRegistryApi {
  public:
    RegCall failing = RegCall::None;
    LONG status = ERROR_ACCESS_DENIED;  // answered by the failing call
    bool raise = false;                 // raise `raised` instead of answering a status
    AppError raised{7, "", "Out of memory"};
    int opened = 0;  // keys opened or created successfully
    int closed = 0;
    int failAt = 0;    // when not 0: the call with this number fails, whatever its kind
    int calls = 0;     // calls made so far, every kind counted
    bool met = false;  // the call numbered `failAt` was made

    LONG RegOpenKeyExA(HKEY key, const char* subKey, REGSAM access, HKEY* result) override {
        if (Fails(RegCall::OpenKey)) return status;
        return Opened(real_.RegOpenKeyExA(key, subKey, access, result));
    }
    LONG RegCreateKeyExA(HKEY key, const char* subKey, REGSAM access, HKEY* result) override {
        if (Fails(RegCall::CreateKey)) return status;
        return Opened(real_.RegCreateKeyExA(key, subKey, access, result));
    }
    LONG RegCloseKey(HKEY key) override {
        ++closed;
        if (Fails(RegCall::CloseKey)) return status;
        return real_.RegCloseKey(key);
    }
    LONG RegQueryValueExA(HKEY key, const char* name, DWORD* type, BYTE* data,
                          DWORD* size) override {
        if (Fails(RegCall::QueryValue)) return status;
        return real_.RegQueryValueExA(key, name, type, data, size);
    }
    LONG RegSetValueExA(HKEY key, const char* name, DWORD type, const BYTE* data,
                        DWORD size) override {
        if (Fails(RegCall::SetValue)) return status;
        return real_.RegSetValueExA(key, name, type, data, size);
    }
    LONG RegDeleteKeyA(HKEY key, const char* subKey) override {
        if (Fails(RegCall::DeleteKey)) return status;
        return real_.RegDeleteKeyA(key, subKey);
    }
    LONG RegDeleteValueA(HKEY key, const char* name) override {
        if (Fails(RegCall::DeleteValue)) return status;
        return real_.RegDeleteValueA(key, name);
    }
    LONG RegEnumValueA(HKEY key, DWORD index, char* name, DWORD* nameLength) override {
        if (Fails(RegCall::EnumValue)) return status;
        return real_.RegEnumValueA(key, index, name, nameLength);
    }
    LONG RegEnumValueDataA(HKEY key, DWORD index, char* name, DWORD* nameLength, DWORD* type,
                           BYTE* data, DWORD* dataSize) override {
        if (Fails(RegCall::EnumValue)) return status;
        return real_.RegEnumValueDataA(key, index, name, nameLength, type, data, dataSize);
    }
    LONG RegEnumKeyA(HKEY key, DWORD index, char* name, DWORD nameSize) override {
        if (Fails(RegCall::EnumKey)) return status;
        return real_.RegEnumKeyA(key, index, name, nameSize);
    }
    LONG RegQueryInfoKeyA(HKEY key, DWORD* maxValueNameLength) override {
        if (Fails(RegCall::QueryInfoKey)) return status;
        return real_.RegQueryInfoKeyA(key, maxValueNameLength);
    }
    DWORD ExpandEnvironmentStringsA(const char* text, char* buffer, DWORD size) override {
        if (Fails(RegCall::Expand)) return 0;
        return real_.ExpandEnvironmentStringsA(text, buffer, size);
    }

  private:
    bool Fails(RegCall call) {
        if (failAt != 0 && ++calls == failAt) met = true;
        if (call != failing && !(met && calls == failAt)) return false;
        if (raise) throw raised;
        return true;
    }
    LONG Opened(LONG result) {
        if (result == ERROR_SUCCESS) ++opened;
        return result;
    }

    RegistryApi real_;
};
