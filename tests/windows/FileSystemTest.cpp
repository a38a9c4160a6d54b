#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "Sandbox.h"
#include "files/FileSystem.h"
#include "platform/AppError.h"

namespace {

// The number and description of the AppError that `action` raises (0 when none).
std::pair<long, std::string> Failure(const std::function<void()>& action) {
    try {
        action();
    } catch (const AppError& failure) {
        return {failure.Number(), failure.Description()};
    }
    return {0, ""};
}

std::vector<std::string> Names(const std::vector<File>& files) {
    std::vector<std::string> names;
    for (const File& f : files) names.push_back(f.Name());
    std::sort(names.begin(), names.end());
    return names;
}

class FileSystemTest : public ::testing::Test {
  protected:
    SandboxFolder box{"files"};
};

}  // namespace

TEST_F(FileSystemTest, FailuresCarryTheirNumbersAndDescriptions) {
    WriteBytes(box / "held.txt", "x");
    WriteBytes(box / "readonly.txt", "x");
    SetFileAttributesA((box / "readonly.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    HeldOpen held(box / "held.txt");
    struct Case {
        const char* what;
        std::function<void()> action;
        long number;
        const char* description;
    } cases[] = {
        {"file in use", [&] { RemoveFile(box / "held.txt", true); }, 70, "Permission denied"},
        {"read-only without force", [&] { RemoveFile(box / "readonly.txt", false); }, 70,
         "Permission denied"},
        {"open a file in use", [&] { OpenTextFile(box / "held.txt", IOMode::ForReading); }, 70,
         "Permission denied"},
        {"missing file", [&] { RemoveFile(box / "none.txt", true); }, 53, "File not found"},
        {"read a missing file", [&] { OpenTextFile(box / "none.txt", IOMode::ForReading); }, 53,
         "File not found"},
        {"missing folder", [&] { GetFolder(box / "none"); }, 76, "Path not found"},
        {"delete a missing folder", [&] { RemoveFolder(box / "none", true); }, 76,
         "Path not found"},
        {"file in a missing folder",
         [&] { OpenTextFile(box / "none\\a.txt", IOMode::ForWriting, true); }, 76,
         "Path not found"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Failure(c.action), std::make_pair(c.number, std::string(c.description)))
            << c.what;
    }
    EXPECT_TRUE(Exists(box / "readonly.txt"));
    EXPECT_TRUE(Exists(box / "held.txt"));
}

TEST_F(FileSystemTest, OtherFailuresKeepANumberOfTheirOwnAndTheSystemText) {
    MakeFolder(box / "sub");
    auto [number, description] = Failure([&] { CreateFolder(box / "sub"); });
    EXPECT_NE(number, 0);
    EXPECT_NE(number, 70);
    EXPECT_NE(number, 53);
    EXPECT_NE(number, 76);
    EXPECT_FALSE(description.empty());
    EXPECT_NE(description.back(), '\n');
}

TEST_F(FileSystemTest, FolderListsItsDirectFilesAndSubfoldersApart) {
    MakeFolder(box / "sub");
    WriteBytes(box / "sub\\deep.txt", "deep");
    WriteBytes(box / "a.txt", "12345");
    WriteBytes(box / "b.dat", "");
    EXPECT_TRUE(FileExists(box / "a.txt"));
    EXPECT_FALSE(FileExists(box / "sub"));
    EXPECT_TRUE(FolderExists(box / "sub"));
    EXPECT_FALSE(FolderExists(box / "a.txt"));

    Folder folder = GetFolder(box.Path());
    std::vector<File> files = folder.Files();
    EXPECT_EQ(Names(files), (std::vector<std::string>{"a.txt", "b.dat"}));
    for (const File& f : files) EXPECT_EQ(f.Size(), f.Name() == "a.txt" ? 5u : 0u);
    std::vector<Folder> subs = folder.SubFolders();
    ASSERT_EQ(subs.size(), 1u);
    EXPECT_EQ(subs[0].Name(), "sub");
    EXPECT_EQ(GetFile(box / "a.txt").Size(), 5u);
}

TEST_F(FileSystemTest, ForcedTreeDeletionRemovesReadOnlyItems) {
    MakeFolder(box / "tree");
    MakeFolder(box / "tree\\locked");
    WriteBytes(box / "tree\\locked\\ro.txt", "x");
    WriteBytes(box / "tree\\plain.txt", "x");
    SetFileAttributesA((box / "tree\\locked\\ro.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    SetFileAttributesA((box / "tree\\locked").c_str(),
                       FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY);
    RemoveFolder(box / "tree", true);
    EXPECT_FALSE(Exists(box / "tree"));
}

TEST_F(FileSystemTest, UnforcedTreeDeletionLeavesReadOnlyFilesAndDeletesTheRest) {
    MakeFolder(box / "tree");
    MakeFolder(box / "tree\\other");
    WriteBytes(box / "tree\\ro.txt", "x");
    WriteBytes(box / "tree\\other\\plain.txt", "x");
    SetFileAttributesA((box / "tree\\ro.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(Failure([&] { RemoveFolder(box / "tree", false); }).first, 70);
    EXPECT_TRUE(Exists(box / "tree\\ro.txt"));
    EXPECT_FALSE(Exists(box / "tree\\other"));
}

TEST_F(FileSystemTest, PathsLongerThanMaxPathAreDeleted) {
    std::wstring deep = L"\\\\?\\" + std::wstring(box.Path().begin(), box.Path().end()) + L"\\t";
    ASSERT_TRUE(CreateDirectoryW(deep.c_str(), nullptr));
    for (int i = 0; i < 10; ++i) {
        deep += L"\\" + std::wstring(40, static_cast<wchar_t>(L'a' + i));
        ASSERT_TRUE(CreateDirectoryW(deep.c_str(), nullptr));
        HANDLE h = CreateFileW((deep + L"\\f.txt").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                               FILE_ATTRIBUTE_READONLY, nullptr);
        ASSERT_NE(h, INVALID_HANDLE_VALUE);
        CloseHandle(h);
    }
    ASSERT_GT(deep.size(), MAX_PATH + 100u);
    RemoveFolder(box / "t", true);
    EXPECT_FALSE(Exists(box / "t"));
}

TEST_F(FileSystemTest, TreeDeletionNeverEntersALinkedFolder) {
    MakeFolder(box / "target");
    WriteBytes(box / "target\\keep.txt", "keep");
    MakeFolder(box / "tree");
    MakeFolder(box / "tree\\sub");
    WriteBytes(box / "tree\\sub\\gone.txt", "x");
    ASSERT_EQ(MakeUnixLink(box / "target", box / "tree\\sub\\link"),
              DWORD{FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT});
    ASSERT_EQ(MakeUnixLink(box / "target", box / "toplink"),
              DWORD{FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT});

    // Wine cannot remove a Unix link, so the link stays and counts as in use.
    EXPECT_EQ(Failure([&] { RemoveFolder(box / "tree", true); }).first, 70);
    EXPECT_EQ(Failure([&] { RemoveFolder(box / "toplink", true); }).first, 70);
    EXPECT_FALSE(Exists(box / "tree\\sub\\gone.txt"));
    EXPECT_EQ(ReadBytes(box / "target\\keep.txt"), "keep");
}

TEST_F(FileSystemTest, FolderHoldingAHiddenDanglingLinkCountsAsInUse) {
    MakeFolder(box / "gone");
    MakeFolder(box / "tree");
    ASSERT_NE(MakeUnixLink(box / "gone", box / "tree\\dangling"), INVALID_FILE_ATTRIBUTES);
    RemoveDirectoryA((box / "gone").c_str());
    WriteBytes(box / "tree\\x.txt", "x");
    EXPECT_EQ(Failure([&] { RemoveFolder(box / "tree", true); }).first, 70);
    EXPECT_FALSE(Exists(box / "tree\\x.txt"));
}

TEST_F(FileSystemTest, TextStreamsPassBytesUnchanged) {
    const std::string path = box / "t.txt";
    const std::string high = "caf\xe9 \x80\xff";
    {
        TextStream out = CreateTextFile(path, true);
        out.Write(high);
        out.WriteLine("|one");
        out.WriteBlankLines(2);
        out.Write("unix\nlast");
        out.Close();
    }
    EXPECT_EQ(ReadBytes(path), high + "|one\r\n\r\n\r\nunix\nlast");

    TextStream in = OpenTextFile(path, IOMode::ForReading);
    EXPECT_EQ(in.Read(4), "caf\xe9");
    EXPECT_EQ(in.ReadLine(), " \x80\xff|one");
    EXPECT_EQ(in.ReadLine(), "");
    EXPECT_EQ(in.ReadLine(), "");
    EXPECT_EQ(in.ReadLine(), "unix");
    EXPECT_FALSE(in.AtEndOfStream());
    EXPECT_EQ(in.ReadAll(), "last");
    EXPECT_TRUE(in.AtEndOfStream());
    EXPECT_EQ(Failure([&] { in.ReadLine(); }).first, 62);
}

TEST_F(FileSystemTest, TextStreamModes) {
    const std::string path = box / "m.txt";
    EXPECT_EQ(Failure([&] { OpenTextFile(path, IOMode::ForAppending, false); }).first, 53);
    OpenTextFile(path, IOMode::ForAppending, true).WriteLine("a");
    OpenTextFile(path, IOMode::ForAppending, false).Write("b");
    EXPECT_EQ(ReadBytes(path), "a\r\nb");
    OpenTextFile(path, IOMode::ForWriting, false).Write("c");
    EXPECT_EQ(ReadBytes(path), "c");
    EXPECT_NE(Failure([&] { CreateTextFile(path, false); }).first, 0);
    EXPECT_EQ(OpenTextFile(box / "new.txt", IOMode::ForReading, true).ReadAll(), "");
    EXPECT_TRUE(FileExists(box / "new.txt"));
    EXPECT_EQ(GetFile(path).OpenAsTextStream().ReadLine(), "c");

    // A file that its owner keeps open for writing can still be read.
    HANDLE writer = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    EXPECT_EQ(OpenTextFile(path, IOMode::ForReading).ReadAll(), "c");
    CloseHandle(writer);
}

TEST_F(FileSystemTest, LongLinesReadAcrossBufferRefills) {
    const std::string line(200000, 'x');
    WriteBytes(box / "big.txt", line + "\r\n" + line);
    TextStream in = OpenTextFile(box / "big.txt", IOMode::ForReading);
    EXPECT_EQ(in.ReadLine(), line);
    EXPECT_EQ(in.ReadLine(), line);
    EXPECT_TRUE(in.AtEndOfStream());
}

TEST_F(FileSystemTest, ReadAllAndLargeWritesKeepEveryByteInOrder) {
    std::string big;  // more than one 64 KB buffer, every byte value, CR LF and a lone CR
    for (int i = 0; i < 200000; ++i) big += static_cast<char>(i * 7 % 256);
    big += "\r\nend\r";
    const std::string path = box / "all.txt";
    {
        TextStream out = CreateTextFile(path, true);
        out.Write("head");
        out.Write(big);  // goes straight to the file, after what was buffered
        out.Write("tail");
        out.Close();
    }
    const std::string whole = "head" + big + "tail";
    ASSERT_EQ(ReadBytes(path), whole);
    const struct {
        const char* what;
        std::size_t first;  // bytes read with Read before ReadAll
    } cases[] = {{"from the start", 0}, {"after a short read", 3}, {"past one buffer", 70000}};
    for (const auto& c : cases) {
        TextStream in = OpenTextFile(path, IOMode::ForReading);
        const std::string first = c.first > 0 ? in.Read(c.first) : "";
        EXPECT_EQ(first + in.ReadAll(), whole) << c.what;
        EXPECT_TRUE(in.AtEndOfStream()) << c.what;
        EXPECT_EQ(in.ReadAll(), "") << c.what;
    }
}

TEST_F(FileSystemTest, ReplacingAFileLeavesTheOldOrTheNewVersion) {
    const std::string path = box / "cookies.txt";
    WriteBytes(path, "old");
    ReplaceFileText(path, "new\n");
    EXPECT_EQ(ReadBytes(path), "new\n");
    EXPECT_EQ(Names(GetFolder(box.Path()).Files()), (std::vector<std::string>{"cookies.txt"}));

    HeldOpen held(path);
    EXPECT_EQ(Failure([&] { ReplaceFileText(path, "newer"); }).first, 70);
    EXPECT_EQ(Names(GetFolder(box.Path()).Files()), (std::vector<std::string>{"cookies.txt"}));
}

// Reports, cookies.txt and localstore.rdf may lie in folders deeper than MAX_PATH (a long user
// or program folder): each file call reaches them, and a failed replace leaves nothing beside.
TEST_F(FileSystemTest, FilesBeyondMaxPathAreReplacedRenamedAndSized) {
    std::string deep = box / "deep";
    MakeFolder(deep);
    while (deep.size() <= MAX_PATH) {
        deep += "\\" + std::string(40, 'd');
        MakeFolder(deep);
    }
    const std::string path = deep + "\\CleanReport.txt";
    ReplaceFileText(path, "first");
    ReplaceFileText(path, "second\r\n");
    EXPECT_EQ(ReadBytes(path), "second\r\n");
    EXPECT_EQ(GetFile(path).Size(), 8u);

    const std::string renamed = deep + "\\cookies.txt";
    RenameFile(path, renamed);
    EXPECT_FALSE(Exists(path));
    EXPECT_EQ(ReadBytes(renamed), "second\r\n");

    HeldOpen held(renamed);
    EXPECT_EQ(Failure([&] { ReplaceFileText(renamed, "third"); }).first, 70);
    EXPECT_EQ(Names(GetFolder(deep).Files()), (std::vector<std::string>{"cookies.txt"}));
}
