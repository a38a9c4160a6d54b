// Puts entries into the WinINet URL cache and looks them up, as the browser would. WinINet is
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

    // A history entry as the browser records a visit: "Visited: user@<url>".
    bool AddVisit(const std::string& url) {
        return Commit(VisitName(url), nullptr, URLHISTORY_CACHE_ENTRY);
    }
    // A content entry with a small cached file.
    bool AddContent(const std::string& url) {
        char file[MAX_PATH] = {};
        auto create =
            Function<BOOL(WINAPI*)(LPCSTR, DWORD, LPCSTR, LPSTR, DWORD)>("CreateUrlCacheEntryA");
        if (!create(url.c_str(), 0, "htm", file, 0)) return false;
        HANDLE h = CreateFileA(file, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD wrote = 0;
        WriteFile(h, "<p>x</p>", 8, &wrote, nullptr);
        CloseHandle(h);
        return Commit(url, file, NORMAL_CACHE_ENTRY);
    }
    bool Has(const std::string& name) {
        auto info = Function<BOOL(WINAPI*)(LPCSTR, LPINTERNET_CACHE_ENTRY_INFOA, LPDWORD)>(
            "GetUrlCacheEntryInfoA");
        DWORD size = 0;
        return info(name.c_str(), nullptr, &size) || GetLastError() == ERROR_INSUFFICIENT_BUFFER;
    }
    void Remove(const std::string& name) {
        Function<BOOL(WINAPI*)(LPCSTR)>("DeleteUrlCacheEntryA")(name.c_str());
    }
    static std::string VisitName(const std::string& url) { return "Visited: tester@" + url; }

private:
    template <typename F>
    F Function(const char* name) const {
        return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(wininet_, name)));
    }
    bool Commit(const std::string& name, const char* file, DWORD type) {
        using CommitFn =
            BOOL(WINAPI*)(LPCSTR, LPCSTR, FILETIME, FILETIME, DWORD, LPBYTE, DWORD, LPCSTR, LPCSTR);
        return Function<CommitFn>("CommitUrlCacheEntryA")(name.c_str(), file, FILETIME{},
                                                          FILETIME{}, type, nullptr, 0, nullptr,
                                                          nullptr) != FALSE;
    }

    HMODULE wininet_;
};
