// Atomic writes: a failure at any step keeps the old file byte for byte and names the reason.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <iostream>

#include "common/core/file_write.h"
#include "support/write_failures.h"

namespace hc {
namespace {

using test::FileBytes;

std::string Temp(const std::string& name) {
    return (std::filesystem::temp_directory_path() / name).string();
}

TEST(FileWrite, ReplacesTheContentAndKeepsThePermissions) {
    std::string path = Temp("hc_write_ok.txt");
    ASSERT_TRUE(WriteFileAtomically(path, "old\r\n"));
    chmod(path.c_str(), 0640);
    ASSERT_TRUE(WriteFileAtomically(path, "new\r\n"));
    EXPECT_EQ(FileBytes(path), "new\r\n");
    struct stat st {};
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    std::filesystem::remove(path);
}

TEST(FileWrite, AFailedWriteKeepsTheOldFileAndSaysWhy) {
    const std::string old(100, 'o');
    const std::string bigger(20000, 'n');

    {  // a folder that does not exist
        Status s = WriteFileAtomically(Temp("hc_no_such_dir") + "/f.txt", "x");
        ASSERT_FALSE(s);
        EXPECT_EQ(s.error().ja, "ファイルまたはフォルダがありません");
    }
    {  // a write refused half-way (injected through the file-size limit)
        std::string path = Temp("hc_write_limit.txt");
        ASSERT_TRUE(WriteFileAtomically(path, old));
        Status s = [&] {
            test::FileSizeLimit limit(4096);
            return WriteFileAtomically(path, bigger);
        }();
        ASSERT_FALSE(s);
        EXPECT_EQ(FileBytes(path), old);
        EXPECT_EQ(s.error().Japanese(), path + ": ファイルが大きすぎます");
        EXPECT_EQ(s.error().English(), path + ": the file is too large");
        // No temporary file is left beside it.
        int entries = 0;
        for (const auto& e : std::filesystem::directory_iterator(std::filesystem::path(path).parent_path()))
            entries += e.path().filename().string().rfind("hc_write_limit.txt", 0) == 0;
        EXPECT_EQ(entries, 1);
        std::filesystem::remove(path);
    }
    {  // a real full disk
        test::FullDisk disk;
        if (!disk.Unavailable().empty()) {
            std::cout << "[ SKIPPED  ] full disk: " << disk.Unavailable() << "\n";
        } else {
            disk.PutThenFill("rain.txt", old);
            Status s = WriteFileAtomically(disk.Path("rain.txt"), bigger);
            ASSERT_FALSE(s);
            EXPECT_EQ(s.error().ja, "ディスクに空きがありません");
            EXPECT_EQ(FileBytes(disk.Path("rain.txt")), old);
        }
    }
}

}  // namespace
}  // namespace hc
