#include "settings/RegKey.h"

HKEY RootHandle(std::int32_t classKey) {
    return reinterpret_cast<HKEY>(static_cast<LONG_PTR>(classKey));
}

LONG RegKey::Keep(LONG status, HKEY handle) {
    handle_ = status == ERROR_SUCCESS ? handle : nullptr;
    return status;
}

LONG RegKey::Open(std::int32_t classKey, const std::string& section, REGSAM access) {
    Close();
    HKEY handle = nullptr;
    LONG status = api_.RegOpenKeyExA(RootHandle(classKey), section.c_str(), access, &handle);
    return Keep(status, handle);
}

LONG RegKey::Create(std::int32_t classKey, const std::string& section, REGSAM access) {
    Close();
    HKEY handle = nullptr;
    LONG status = api_.RegCreateKeyExA(RootHandle(classKey), section.c_str(), access, &handle);
    return Keep(status, handle);
}

void RegKey::Close() {
    if (handle_ != nullptr) api_.RegCloseKey(handle_);
    handle_ = nullptr;
}
