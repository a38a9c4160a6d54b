// Brisvane.dll: clears the current user's Internet Explorer history. The history object's own
// ClearHistory is asked first; where it fails (Wine answers E_NOTIMPL), every history entry of
// the WinINet URL cache is deleted instead, and content and cookie entries stay.
#include <windows.h>
// after windows.h, which they need
#include <ole2.h>
#include <shlguid.h>
#include <urlhist.h>
#include <wininet.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

bool ClearThroughHistoryObject() {
    const HRESULT init = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IUrlHistoryStg2* history = nullptr;
    HRESULT result = CoCreateInstance(CLSID_CUrlHistory, nullptr, CLSCTX_INPROC_SERVER,
                                      IID_IUrlHistoryStg2, reinterpret_cast<void**>(&history));
    if (SUCCEEDED(result)) {
        result = history->ClearHistory();
        history->Release();
    }
    if (SUCCEEDED(init)) CoUninitialize();  // not when the thread had COM in another mode
    return SUCCEEDED(result);
}

bool IsHistoryEntry(const INTERNET_CACHE_ENTRY_INFOA& entry) {
    if ((entry.CacheEntryType & URLHISTORY_CACHE_ENTRY) != 0) return true;
    return entry.lpszSourceUrlName != nullptr &&
           _strnicmp(entry.lpszSourceUrlName, "Visited:", 8) == 0;
}

// Reads one entry into `buffer`, growing it as the cache asks; false at the end or on failure.
template <typename Read>
bool ReadEntry(std::vector<char>& buffer, Read read) {
    for (;;) {
        DWORD size = static_cast<DWORD>(buffer.size());
        if (read(reinterpret_cast<INTERNET_CACHE_ENTRY_INFOA*>(buffer.data()), &size)) return true;
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) return false;
        buffer.resize(size + 1);
    }
}

// The names of the history entries that a search with `pattern` lists. Entries are collected
// first and deleted after the search is closed, so deleting never disturbs the listing.
std::vector<std::string> HistoryEntryNames(const char* pattern) {
    std::vector<std::string> names;
    std::vector<char> buffer(4096);
    HANDLE search = nullptr;
    bool more = ReadEntry(buffer, [&](INTERNET_CACHE_ENTRY_INFOA* entry, DWORD* size) {
        search = FindFirstUrlCacheEntryA(pattern, entry, size);
        return search != nullptr;
    });
    while (more) {
        const auto* entry = reinterpret_cast<const INTERNET_CACHE_ENTRY_INFOA*>(buffer.data());
        if (IsHistoryEntry(*entry)) names.emplace_back(entry->lpszSourceUrlName);
        more = ReadEntry(buffer, [&](INTERNET_CACHE_ENTRY_INFOA* next, DWORD* size) {
            return FindNextUrlCacheEntryA(search, next, size) != FALSE;
        });
    }
    if (search != nullptr) FindCloseUrlCache(search);
    return names;
}

// Windows keeps history in a container of its own, which the "visited:" search lists; Wine
// keeps every entry where the search without a pattern lists it.
void DeleteHistoryEntries() {
    for (const char* pattern : {static_cast<const char*>(nullptr), "visited:"}) {
        for (const std::string& name : HistoryEntryNames(pattern)) {
            DeleteUrlCacheEntryA(name.c_str());
        }
    }
}

}  // namespace

extern "C" __declspec(dllexport) void ClearHistory() {
    if (!ClearThroughHistoryObject()) DeleteHistoryEntries();
}
