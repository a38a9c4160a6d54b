// Puts entries into the WinINet URL cache as the browser would, and looks them up. WinINet is
// loaded only by the tests that use it, since starting it rewrites the shell-folder values.
#pragma once

#include <windows.h>
// after windows.h, which it needs
#include <wininet.h>

#include <string>

class UrlCache {
  public:
    UrlCache() : wininet_(LoadLibraryA("wininet.dll")) {}
    ~UrlCache() { FreeLibrary(wininet_); }
    UrlCache(const UrlCache&) = delete;
    UrlCache& operator=(const UrlCache&) = delete;

    static std::string Visit(const std::string& url) { return "Visited: tester@" + url; }
    // A history entry of a visit to `url`, or with `content` a cached copy of it.
    bool Add(const std::string& url, bool content = false) {
        char file[MAX_PATH] = {};
        if (content) {
            if (!Call<BOOL(WINAPI*)(LPCSTR, DWORD, LPCSTR, LPSTR, DWORD)>(
                    "CreateUrlCacheEntryA", url.c_str(), 0, "htm", file, 0)) {
                return false;
            }
            CloseHandle(CreateFileA(file, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        }
        return Call<BOOL(WINAPI*)(LPCSTR, LPCSTR, FILETIME, FILETIME, DWORD, LPBYTE, DWORD, LPCSTR,
                                  LPCSTR)>(
            "CommitUrlCacheEntryA", (content ? url : Visit(url)).c_str(), content ? file : nullptr,
            FILETIME{}, FILETIME{}, content ? NORMAL_CACHE_ENTRY : URLHISTORY_CACHE_ENTRY, nullptr,
            0, nullptr, nullptr);
    }
    bool Has(const std::string& name) {
        DWORD size = 0;
        return Call<BOOL(WINAPI*)(LPCSTR, LPINTERNET_CACHE_ENTRY_INFOA, LPDWORD)>(
                   "GetUrlCacheEntryInfoA", name.c_str(), nullptr, &size) ||
               GetLastError() == ERROR_INSUFFICIENT_BUFFER;
    }
    void Remove(const std::string& name) {
        Call<BOOL(WINAPI*)(LPCSTR)>("DeleteUrlCacheEntryA", name.c_str());
    }

  private:
    template <typename F, typename... Args>
    BOOL Call(const char* name, Args... args) {
        return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(wininet_, name)))(
            args...);
    }

    HMODULE wininet_;
};
