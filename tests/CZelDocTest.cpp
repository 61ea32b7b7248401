#include "doc/CZelDoc.h"

#include "TestFiles.h"

#include <csignal>
#include <filesystem>
#include <functional>
#include <sys/wait.h>
#include <cstring>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::size_t kSize = sizeof(RosterRecord);

const char kSizeMessage[] = "read file size err\n勤務表ファイルでない。または、ファイル版数が異なっています。";
const char kReadMessage[] = "read file read err\nファイル読み込みに失敗しました。";

std::string RecordBytes(const RosterRecord& record) {
    return std::string(reinterpret_cast<const char*>(&record), sizeof record);
}

// A record with something in every area, reserved bytes included.
std::string FilledRecordBytes(std::uint16_t version = 2) {
    std::string bytes(kSize, '\0');
    for (std::size_t i = 0; i < kSize; ++i)
        bytes[i] = static_cast<char>((i * 7 + 3) % 251);
    std::memcpy(bytes.data(), &version, sizeof version);
    return bytes;
}

TEST(RosterRecord, FieldsLieAtTheirFileOffsets) {
    RosterRecord record{};
    const auto* base = reinterpret_cast<const char*>(&record);
    auto offset = [base](const void* field) { return static_cast<const char*>(field) - base; };
    // Staff row r at 12 + 422 (r - 1); day d at row offset 11 + 5 (d - 1).
    EXPECT_EQ(offset(record.staff[4].name), 12 + 422 * 4);
    EXPECT_EQ(offset(record.staff[4].dayCode[9]), 12 + 422 * 4 + 11 + 5 * 9);
    EXPECT_EQ(offset(&record.staff[79].reserved[254]), 12 + 422 * 80 - 1);
    // Duty entry i of a column of width w at c + w (i - 1).
    EXPECT_EQ(offset(record.duty.name[2]), 34172 + 21 * 2);
    EXPECT_EQ(offset(record.duty.printPage[79]), 39212 + 5 * 79);
    EXPECT_EQ(offset(&record.duty.underline[79]), 39691);
    EXPECT_EQ(offset(&record.reserved[1927]), 41659);
}

TEST(RosterRecord, StoreFieldTextCutsOnAWholeCharacterAndClearsTheRest) {
    RosterRecord record{};
    std::memset(record.staff[0].name, 'x', sizeof record.staff[0].name);
    // 12 bytes offered for a 10-byte name: "山田太郎" plus "ab"; the fifth character does not fit.
    const std::string stored =
        StoreFieldText(record.staff[0].name, "\x8E\x52\x93\x63\x91\xBE\x98\x59\x61\x62\x63");
    EXPECT_EQ(stored, "\x8E\x52\x93\x63\x91\xBE\x98\x59\x61\x62");
    EXPECT_EQ(FieldText(record.staff[0].name), stored);
    EXPECT_EQ(record.staff[0].name[10], '\0');
    EXPECT_EQ(record.staff[0].dayCode[0][0], '\0') << "wrote beyond the field";

    EXPECT_EQ(StoreFieldText(record.staff[0].dayCode[0], "a\x93\xFA\x8B\xCE"), "a\x93\xFA");
    EXPECT_EQ(StoreFieldText(record.staff[0].dayCode[1], "ab\0cd"), "ab");
}

TEST(CZelDoc, NewRosterIsZeroWithVersion2) {
    CZelDoc doc;
    std::string expected(kSize, '\0');
    expected[0] = 2;
    EXPECT_EQ(RecordBytes(doc.m_record), expected);

    std::memset(&doc.m_record, 0x55, kSize);
    doc.SetModifiedFlag(TRUE);
    ASSERT_TRUE(doc.OnNewDocument());
    EXPECT_EQ(RecordBytes(doc.m_record), expected);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.GetTitle(), "");
}

class CZelDocFiles : public testing::Test {
protected:
    TempDir dir;
    MessageRecorder messages;
    CZelDoc doc;
};

TEST_F(CZelDocFiles, SaveAndOpenRoundTripByteForByte) {
    const std::string original = FilledRecordBytes();
    WriteBytes(dir.File("a.vkt"), original);
    ASSERT_TRUE(doc.OnOpenDocument(dir.File("a.vkt")));
    EXPECT_TRUE(messages.Messages().empty());
    EXPECT_EQ(RecordBytes(doc.m_record), original);
    EXPECT_EQ(doc.GetTitle(), "a.vkt");

    ASSERT_TRUE(doc.OnSaveDocument(dir.File("b.vkt")));
    EXPECT_EQ(ReadBytes(dir.File("b.vkt")), original);
    EXPECT_EQ(doc.GetPathName(), dir.File("b.vkt"));
    EXPECT_FALSE(doc.IsModified());

    // Saving over an existing file replaces it whole and leaves no temporary behind.
    doc.m_record.comment[0] = 'Z';
    ASSERT_TRUE(doc.OnSaveDocument(dir.File("a.vkt")));
    EXPECT_EQ(ReadBytes(dir.File("a.vkt")), RecordBytes(doc.m_record));
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.Path()))
        ++files;
    EXPECT_EQ(files, 2u);
}

TEST_F(CZelDocFiles, OlderVersionOpensWithAMessageAndKeepsItsVersion) {
    const std::string original = FilledRecordBytes(1);
    WriteBytes(dir.File("old.vkt"), original);
    ASSERT_TRUE(doc.OnOpenDocument(dir.File("old.vkt")));
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].text, "旧ファイルのため読み出せません。「ver.1」\n現在は ver.2 で動作します。");
    EXPECT_EQ(messages.Messages()[0].type, MB_OK | MB_ICONEXCLAMATION);
    EXPECT_EQ(RecordBytes(doc.m_record), original);
    EXPECT_EQ(doc.GetTitle(), "old.vkt");

    ASSERT_TRUE(doc.OnSaveDocument(dir.File("again.vkt")));
    EXPECT_EQ(ReadBytes(dir.File("again.vkt")).substr(0, 2), std::string("\x01\x00", 2));
}

TEST_F(CZelDocFiles, VersionIsShownUnsigned) {
    WriteBytes(dir.File("v.vkt"), FilledRecordBytes(0xFFFF));
    ASSERT_TRUE(doc.OnOpenDocument(dir.File("v.vkt")));
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_NE(messages.Messages()[0].text.find("「ver.65535」"), std::string::npos);
}

struct BadFile {
    const char* name;
    std::size_t size;
};

class WrongSize : public CZelDocFiles, public testing::WithParamInterface<BadFile> {};

TEST_P(WrongSize, FailsTheOpenAndKeepsThePreviousRoster) {
    WriteBytes(dir.File("mine.vkt"), FilledRecordBytes());
    ASSERT_TRUE(doc.OnOpenDocument(dir.File("mine.vkt")));
    doc.m_record.staff[0].name[0] = 'M';
    doc.SetModifiedFlag(TRUE);
    const std::string before = RecordBytes(doc.m_record);

    WriteBytes(dir.File("other.vkt"), std::string(GetParam().size, 'x'));
    EXPECT_FALSE(doc.OnOpenDocument(dir.File("other.vkt")));
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].text, kSizeMessage);
    EXPECT_EQ(RecordBytes(doc.m_record), before);
    EXPECT_EQ(doc.GetPathName(), dir.File("mine.vkt"));
    EXPECT_TRUE(doc.IsModified());
}

INSTANTIATE_TEST_SUITE_P(Sizes, WrongSize,
                         testing::Values(BadFile{"Empty", 0}, BadFile{"OneShort", kSize - 1},
                                         BadFile{"OneLong", kSize + 1}, BadFile{"Double", 2 * kSize}),
                         [](const auto& c) { return c.param.name; });

TEST_F(CZelDocFiles, HugeFileIsRefusedWithoutReadingIt) {
    // A sparse 64 GiB file: reading it would take minutes; the size check must not.
    const std::string path = dir.File("huge.vkt");
    const int fd = ::open(path.c_str(), O_CREAT | O_WRONLY, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::ftruncate(fd, off_t{64} << 30), 0);
    ::close(fd);
    EXPECT_FALSE(doc.OnOpenDocument(path));
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].text, kSizeMessage);
}

// Claims the right length, then delivers fewer bytes (a file truncated while it is read).
class ShortFile : public CFile {
public:
    std::uint64_t GetLength() const override { return kSize; }
    std::size_t Read(void* buffer, std::size_t count) override {
        std::memset(buffer, 0x77, count / 2);
        return count / 2;
    }
    bool Write(const void*, std::size_t) override { return false; }
};

TEST_F(CZelDocFiles, ShortReadLeavesTheRecordAsItWas) {
    doc.m_record.comment[0] = 'C';
    const std::string before = RecordBytes(doc.m_record);
    ShortFile file;
    CArchive ar(file, CArchive::load);
    EXPECT_FALSE(doc.Serialize(ar));
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].text, kReadMessage);
    EXPECT_EQ(RecordBytes(doc.m_record), before);
}

struct OpenFailure {
    const char* name;
    const char* expectedReason;
};

TEST_F(CZelDocFiles, UnopenablePathsSayWhyAndChangeNothing) {
    ::mkdir(dir.File("folder.vkt").c_str(), 0755);
    ::mkfifo(dir.File("pipe.vkt").c_str(), 0644);
    const OpenFailure cases[] = {
        {"missing.vkt", "ファイルが見つかりません。"},
        {"folder.vkt", "フォルダーは開けません。"},
        {"pipe.vkt", "通常のファイルではありません。"},
    };
    const std::string before = RecordBytes(doc.m_record);
    for (const OpenFailure& c : cases) {
        messages.Clear();
        EXPECT_FALSE(doc.OnOpenDocument(dir.File(c.name))) << c.name;
        ASSERT_EQ(messages.Messages().size(), 1u) << c.name;
        EXPECT_NE(messages.Messages()[0].text.find(c.expectedReason), std::string::npos)
            << messages.Messages()[0].text;
        EXPECT_NE(messages.Messages()[0].text.find(c.name), std::string::npos);
        EXPECT_EQ(RecordBytes(doc.m_record), before);
        EXPECT_EQ(doc.GetPathName(), "");
    }
}

// Permissions mean nothing to root, and CI runs as root: such checks run in a child process
// that has given up root first. Returns the child's exit status, or -1.
int RunWithoutRoot(const std::function<int()>& check) {
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(100);
        ::_exit(check());
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

// 0 when exactly one message was shown and it contains reason.
int OneMessageSaying(const MessageRecorder& recorder, const char* reason) {
    if (recorder.Messages().size() != 1)
        return 2;
    return recorder.Messages()[0].text.find(reason) == std::string::npos ? 3 : 0;
}

TEST_F(CZelDocFiles, UnreadableFileSaysAccessIsDenied) {
    ::chmod(dir.Path().c_str(), 0755);
    WriteBytes(dir.File("locked.vkt"), FilledRecordBytes());
    ::chmod(dir.File("locked.vkt").c_str(), 0);
    const std::string path = dir.File("locked.vkt");
    EXPECT_EQ(RunWithoutRoot([&] {
                  MessageRecorder recorder;
                  CZelDoc child;
                  if (child.OnOpenDocument(path))
                      return 1;
                  return OneMessageSaying(recorder, "アクセスが拒否されました");
              }),
              0);
}

TEST_F(CZelDocFiles, SaveIntoAMissingFolderFailsAndKeepsTheRosterModified) {
    doc.SetModifiedFlag(TRUE);
    EXPECT_FALSE(doc.OnSaveDocument(dir.File("no/such/folder/x.vkt")));
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_NE(messages.Messages()[0].text.find("に保存できません。"), std::string::npos);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.GetPathName(), "");
}

TEST_F(CZelDocFiles, SaveIntoAReadOnlyFolderFails) {
    ::chmod(dir.Path().c_str(), 0755);
    ::mkdir(dir.File("ro").c_str(), 0555);
    const std::string path = dir.File("ro/x.vkt");
    EXPECT_EQ(RunWithoutRoot([&] {
                  MessageRecorder recorder;
                  CZelDoc child;
                  child.SetModifiedFlag(TRUE);
                  if (child.OnSaveDocument(path) || !child.IsModified())
                      return 1;
                  return OneMessageSaying(recorder, "書き込みが拒否されました");
              }),
              0);
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(CZelDocFiles, FullDiskKeepsTheOldFileAndTheRosterModified) {
    const std::string original = FilledRecordBytes();
    WriteBytes(dir.File("full.vkt"), original);
    ASSERT_TRUE(doc.OnOpenDocument(dir.File("full.vkt")));
    doc.m_record.comment[0] = 'N';
    doc.SetModifiedFlag(TRUE);

    // A file-size limit below the record's size makes the disk look full to write().
    struct rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto* previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit tight = saved;
    tight.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &tight), 0);
    const BOOL saved_ok = doc.OnSaveDocument(dir.File("full.vkt"));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(saved_ok);
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_NE(messages.Messages()[0].text.find("ディスクの空き領域が足りません。"), std::string::npos);
    EXPECT_EQ(ReadBytes(dir.File("full.vkt")), original);
    EXPECT_TRUE(doc.IsModified());
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.Path()))
        ++files;
    EXPECT_EQ(files, 1u) << "a temporary file was left behind";
}

} // namespace
