// An open registry key that closes itself when it goes out of scope, so that every cRegistry
// operation closes what it opened on every path, raised errors included.
#pragma once

#include <cstdint>
#include <string>

#include "platform/RegistryApi.h"

class RegKey {
  public:
    explicit RegKey(IRegistryApi& api) : api_(api) {}
    ~RegKey() { Close(); }
    RegKey(const RegKey&) = delete;
    RegKey& operator=(const RegKey&) = delete;

    // Each answers the platform's status code; the key is open only after 0.
    LONG Open(std::int32_t classKey, const std::string& section, REGSAM access);
    LONG Create(std::int32_t classKey, const std::string& section, REGSAM access);
    void Close();

    HKEY Get() const { return handle_; }

  private:
    LONG Keep(LONG status, HKEY handle);

    IRegistryApi& api_;
    HKEY handle_ = nullptr;
};

// The predefined handle for a root key code, sign-extended as the platform defines it.
HKEY RootHandle(std::int32_t classKey);
