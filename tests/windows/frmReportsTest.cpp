#include <gtest/gtest.h>

#include <fstream>

#include "DialogProbe.h"
#include "FakeUi.h"
#include "platform/System.h"
#include "reports/frmReports.h"
#include "reports/frmReportsIds.h"

namespace {

std::string Folder() { return ProgramFolder() + "\\Reports"; }

void WriteBytes(const std::string& name, const std::string& bytes) {
    std::ofstream out(Folder() + "\\" + name, std::ios::binary);
    out << bytes;
}

bool Exists(const std::string& name) {
    return GetFileAttributesA((Folder() + "\\" + name).c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Empties the Reports folder beside the test program (or removes it with `removeFolder`).
void ClearFolder(bool removeFolder) {
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((Folder() + "\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::string path = Folder() + "\\" + data.cFileName;
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(path.c_str());
        } while (FindNextFileA(find, &data));
        FindClose(find);
    }
    if (removeFolder) RemoveDirectoryA(Folder().c_str());
}

class ReportsWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        ClearFolder(true);
        CreateDirectoryA(Folder().c_str(), nullptr);
    }
    void TearDown() override {
        window.Unload();
        ClearFolder(false);
    }

    std::vector<std::string> Entries() {
        std::vector<std::string> out = ListEntries(window.Handle(), IDC_REPORTS_LSTREPORTS);
        std::sort(out.begin(), out.end());  // the listing order is the file system's
        return out;
    }
    int Selected() { return ListSelection(window.Handle(), IDC_REPORTS_LSTREPORTS); }
    bool Enabled(int id) { return IsEnabled(window.Handle(), id); }
    void Click(int id) { Press(window.Handle(), id); }
    void ExpectButtons(bool enabled) {
        EXPECT_EQ(Enabled(IDC_REPORTS_CMDVIEW), enabled);
        EXPECT_EQ(Enabled(IDC_REPORTS_CMDDELETE), enabled);
        EXPECT_EQ(Enabled(IDC_REPORTS_CMDDELETEALL), enabled);
        EXPECT_TRUE(Enabled(IDC_REPORTS_CMDCLOSE));
    }

    FakeUi ui;
    frmReports window;
};

// Reads the viewer's text and closes it, from inside its modal loop.
std::string g_viewed;
std::string g_viewerCaption;
void CALLBACK ReadAndCloseViewer(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND viewer = FindWindowA(nullptr, "View Report");
    if (viewer == nullptr) return;
    KillTimer(nullptr, timer);
    char caption[64] = {};
    GetWindowTextA(viewer, caption, sizeof caption);
    g_viewerCaption = caption;
    HWND box = GetDlgItem(viewer, IDC_VIEWREPORT_TXTREPORT);
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(box)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(box, text.data(), text.size())));
    g_viewed = text;
    SendMessageA(GetDlgItem(viewer, IDC_VIEWREPORT_CMDCLOSE), BM_CLICK, 0, 0);
}

}  // namespace

TEST_F(ReportsWindow, MissingFolderIsCreatedAndAnEmptyListLeavesOnlyClose) {
    ClearFolder(true);
    window.Load();
    EXPECT_TRUE(Exists(""));
    EXPECT_TRUE(Entries().empty());
    ExpectButtons(false);
    char caption[64] = {};
    GetWindowTextA(window.Handle(), caption, sizeof caption);
    EXPECT_STREQ(caption, "Report Options");
}

TEST_F(ReportsWindow, ListsEveryFileWithoutItsLastFourCharacters) {
    WriteBytes("CleanReport07122026_214552.txt", "x");
    WriteBytes("notes.log", "y");
    WriteBytes("ab", "short");
    CreateDirectoryA((Folder() + "\\sub.txt").c_str(), nullptr);
    window.Load();
    EXPECT_EQ(Entries(), (std::vector<std::string>{"CleanReport07122026_214552", "ab", "notes"}));
    EXPECT_EQ(Selected(), 0);
    ExpectButtons(true);
    RemoveDirectoryA((Folder() + "\\sub.txt").c_str());
}

TEST_F(ReportsWindow, ViewShowsTheFileExactlyWithItsTrailingEmptyLine) {
    const std::string text =
        "START OF CLEANING REPORT: 07-Dec-2026 21:45:40\r\nCleaning Run History\r\n"
        "Completed\r\nEND OF CLEANING REPORT: 07-Dec-2026 21:45:52\r\n\r\n";
    WriteBytes("CleanReport07122026_214552.txt", text);
    window.Load();
    g_viewed.clear();
    SetTimer(nullptr, 0, 50, ReadAndCloseViewer);
    Click(IDC_REPORTS_CMDVIEW);
    EXPECT_EQ(g_viewerCaption, "View Report");
    EXPECT_EQ(g_viewed, text);
    EXPECT_TRUE(window.IsLoaded());
}

TEST_F(ReportsWindow, CancelInEitherConfirmationDeletesNothing) {
    WriteBytes("CleanReport01012026_000001.txt", "a");
    WriteBytes("CleanReport01012026_000002.txt", "b");
    window.Load();
    ui.answers = {IDCANCEL, IDCANCEL};
    Click(IDC_REPORTS_CMDDELETE);
    Click(IDC_REPORTS_CMDDELETEALL);
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].text, "Delete this Report, are you sure?");
    EXPECT_EQ(ui.messages[1].text, "Delete ALL Reports, are you sure?");
    for (const ShownMessage& m : ui.messages) {
        EXPECT_EQ(m.flags & MB_TYPEMASK, static_cast<UINT>(MB_OKCANCEL));
        EXPECT_EQ(m.flags & MB_ICONMASK, static_cast<UINT>(MB_ICONQUESTION));
    }
    EXPECT_TRUE(Exists("CleanReport01012026_000001.txt"));
    EXPECT_TRUE(Exists("CleanReport01012026_000002.txt"));
    EXPECT_EQ(Entries().size(), 2u);
}

TEST_F(ReportsWindow, DeleteOneRemovesTheSelectedFileAndReselectsTheFirst) {
    WriteBytes("CleanReport01012026_000001.txt", "a");
    WriteBytes("CleanReport01012026_000002.txt", "b");
    window.Load();
    SelectEntry(window.Handle(), IDC_REPORTS_LSTREPORTS, 1);
    const std::string chosen = ListEntries(window.Handle(), IDC_REPORTS_LSTREPORTS).at(1);
    ui.answers = {IDOK};
    Click(IDC_REPORTS_CMDDELETE);
    EXPECT_FALSE(Exists(std::string(chosen) + ".txt"));
    EXPECT_EQ(Entries().size(), 1u);
    EXPECT_EQ(Selected(), 0);
}

TEST_F(ReportsWindow, DeleteOneNeverTouchesAnotherFileOfTheSameEntryName) {
    WriteBytes("CleanReport01012026_000001.txt", "report");
    WriteBytes("CleanReport01012026_000001.log", "not a report");
    window.Load();
    // Find and select the entry that stands for the .log file: deleting it must remove the
    // .log file, not the report that shares its entry name.
    ui.answers = {IDOK};
    HWND list = GetDlgItem(window.Handle(), IDC_REPORTS_LSTREPORTS);
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((Folder() + "\\*.*").c_str(), &data);
    int index = -1, i = 0;
    do {
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        if (std::string(data.cFileName).ends_with(".log")) index = i;
        ++i;
    } while (FindNextFileA(find, &data));
    FindClose(find);
    ASSERT_GE(index, 0);
    SendMessageA(list, LB_SETCURSEL, index, 0);
    Click(IDC_REPORTS_CMDDELETE);
    EXPECT_FALSE(Exists("CleanReport01012026_000001.log"));
    EXPECT_TRUE(Exists("CleanReport01012026_000001.txt"));
}

TEST_F(ReportsWindow, DeleteAllRemovesTxtFilesKeepsOthersAndTellsWhatItCouldNotDelete) {
    WriteBytes("CleanReport01012026_000001.txt", "a");
    WriteBytes("CleanReport01012026_000002.txt", "b");
    WriteBytes("keep.log", "c");
    WriteBytes("upper.TXT", "d");
    WriteBytes("locked.txt", "e");
    SetFileAttributesA((Folder() + "\\locked.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    window.Load();
    ui.answers = {IDOK, IDOK};
    Click(IDC_REPORTS_CMDDELETEALL);
    EXPECT_FALSE(Exists("CleanReport01012026_000001.txt"));
    EXPECT_FALSE(Exists("CleanReport01012026_000002.txt"));
    EXPECT_TRUE(Exists("keep.log"));
    EXPECT_TRUE(Exists("upper.TXT"));
    EXPECT_TRUE(Exists("locked.txt"));  // read-only files are not forced
    EXPECT_EQ(Entries(), (std::vector<std::string>{"keep", "locked", "upper"}));
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_NE(ui.messages[1].text.find("locked.txt"), std::string::npos);
    EXPECT_EQ(ui.pointer, MousePointer::Default);
}

TEST_F(ReportsWindow, DeleteAllOfOnlyReportsEmptiesTheListAndDisablesButtons) {
    WriteBytes("CleanReport01012026_000001.txt", "a");
    window.Load();
    ui.answers = {IDOK};
    Click(IDC_REPORTS_CMDDELETEALL);
    EXPECT_TRUE(Entries().empty());
    ExpectButtons(false);
    EXPECT_EQ(ui.messages.size(), 1u);
}
