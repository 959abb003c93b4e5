// The file services as Windows runs them: UTF-16 paths, binary bytes, replacing an existing
// file, device names that must never be read, locks and folders. Built into the Windows tests
// only.

#ifdef _WIN32

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "platform/file_bytes.h"
#include "platform/text_codec.h"
#include "platform/file_lock.h"
#include "frontends/scripted/temp_folder.h"
#include "platform/user_data_folder.h"

namespace {

std::filesystem::path PathOfUtf8(const std::string& text) {
  return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

std::size_t Entries(const std::string& folder) {
  std::size_t count = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++count;
  return count;
}

TEST(WindowsFiles, ChineseNamesBinaryBytesAndReplacingKeepEveryByte) {
  TempFolder folder;
  const std::string path = folder.File("存档 ü.flm");
  // CR LF, a lone LF and the old text-mode end-of-file byte must all pass unchanged.
  const std::string first = "a\r\nb\nc\x1A" "d\r\r\n";
  ASSERT_TRUE(WriteFileAtomically(path, first));
  std::string bytes;
  ASSERT_TRUE(ReadFileBytes(path, 1000, bytes));
  EXPECT_EQ(bytes, first);
  EXPECT_TRUE(std::filesystem::exists(PathOfUtf8(path)));

  // An existing file is replaced whole, and no temporary file stays behind.
  ASSERT_TRUE(WriteFileAtomically(path, "second"));
  ASSERT_TRUE(ReadFileBytes(path, 1000, bytes));
  EXPECT_EQ(bytes, "second");
  EXPECT_EQ(Entries(folder.Path()), 1u);

  // A read-only file is refused and keeps its bytes.
  std::filesystem::permissions(PathOfUtf8(path), std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::remove);
  EXPECT_FALSE(WriteFileAtomically(path, "third"));
  std::filesystem::permissions(PathOfUtf8(path), std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::add);
  ASSERT_TRUE(ReadFileBytes(path, 1000, bytes));
  EXPECT_EQ(bytes, "second");
  EXPECT_EQ(Entries(folder.Path()), 1u);

  EXPECT_EQ(Gb18030ToUtf8(Utf8ToGb18030("佚名")), "佚名");
}

TEST(WindowsFiles, FoldersAndDevicesAreNeverRead) {
  TempFolder folder;
  std::string bytes = "old";
  const auto started = std::chrono::steady_clock::now();
  for (const std::string& path : {folder.Path(), std::string("NUL"), std::string("CON"),
                                 std::string("\\\\.\\pipe\\vandrel-none"), folder.File("COM1")}) {
    EXPECT_FALSE(ReadFileBytes(path, 1000, bytes)) << path;
    EXPECT_TRUE(bytes.empty()) << path;
  }
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5));
  EXPECT_FALSE(WriteFileAtomically(folder.Path(), "x"));
  EXPECT_FALSE(CanReplaceFile(folder.Path()));
  EXPECT_TRUE(std::filesystem::is_directory(PathOfUtf8(folder.Path())));
}

// The place of list.txt depends on these: what can be replaced, a lock that one holder has at
// a time, and the user's folders made on demand.
TEST(WindowsFiles, ReplaceableFilesLocksAndFolders) {
  TempFolder folder;
  const std::string path = folder.File("列表.txt");
  EXPECT_TRUE(CanReplaceFile(path));  // none yet, in a folder that takes files
  EXPECT_EQ(Entries(folder.Path()), 0u);  // the probe is gone again
  ASSERT_TRUE(WriteFileAtomically(path, "x"));
  EXPECT_TRUE(CanReplaceFile(path));
  std::filesystem::permissions(PathOfUtf8(path), std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::remove);
  EXPECT_FALSE(CanReplaceFile(path));
  std::filesystem::permissions(PathOfUtf8(path), std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::add);
  EXPECT_FALSE(CanReplaceFile(folder.File("missing/list.txt")));
  {
    const FileLock first(path, 0);
    EXPECT_TRUE(first.Held());
    const auto started = std::chrono::steady_clock::now();
    const FileLock second(path, 0);  // held elsewhere: busy at once, never waited for
    EXPECT_FALSE(second.Held());
    EXPECT_TRUE(second.Busy());
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(200));
    const FileLock third(path, 300);  // waits as long as it is told, then gives up
    EXPECT_FALSE(third.Held());
    EXPECT_GE(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(250));
  }
  EXPECT_TRUE(FileLock(path, 0).Held());  // dropped with its holder
  EXPECT_EQ(Entries(folder.Path()), 2u);  // the file and its lock file, no temporary file

  const std::string nested = folder.File("a/b/Vandrel");
  EXPECT_TRUE(MakeFolders(nested));
  EXPECT_TRUE(MakeFolders(nested));
  EXPECT_TRUE(std::filesystem::is_directory(PathOfUtf8(nested)));
  EXPECT_FALSE(MakeFolders(path));  // a file stands there
}

}  // namespace

#endif
