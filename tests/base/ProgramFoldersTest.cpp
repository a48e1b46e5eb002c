#include "base/ProgramFolders.h"

#include "base/FileBytes.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace vesrin {
namespace {

TEST(ProgramFolders, PortableWhenTheExecutableFolderIsWritable) {
    const auto folders = ResolveProgramFolders("/opt/games/Vesrin", true, "/home/ann/.local/share");
    EXPECT_TRUE(folders.Portable);
    EXPECT_EQ(folders.Program, "/opt/games/Vesrin/");
    EXPECT_EQ(folders.Parent, "/opt/games/");
}

TEST(ProgramFolders, PerUserDataFolderOtherwise) {
    const auto folders = ResolveProgramFolders("/usr/bin", false, "/home/ann/.local/share");
    EXPECT_FALSE(folders.Portable);
    EXPECT_EQ(folders.Program, "/home/ann/.local/share/Qor/Vesrin/");
    EXPECT_EQ(folders.Parent, "/home/ann/.local/share/Qor/");
    EXPECT_EQ(folders.Program / "Vesrin.clb", "/home/ann/.local/share/Qor/Vesrin/Vesrin.clb");
}

TEST(ProgramFolders, DataHomeFollowsXdg) {
    EXPECT_EQ(DataHomeFolder(nullptr, "/home/ann"), "/home/ann/.local/share");
    EXPECT_EQ(DataHomeFolder("/data", "/home/ann"), "/data");
    EXPECT_EQ(DataHomeFolder("relative", "/home/ann"), "/home/ann/.local/share");
    EXPECT_EQ(InstallContentFolder("/usr/games"), "/usr/share/vesrin/");
}

// The executable's folder is a program folder by what it holds, never by whether it
// can be written: a temporary folder is writable, and root writes into /usr/bin.
TEST(ProgramFolders, PortableByWhatTheFolderHolds) {
    struct Case {
        const char* Name;
        std::vector<const char*> Files;
        std::vector<const char*> Folders;
        bool ReadOnly;
        bool Portable;
    };
    const Case cases[] = {
        {"writable but empty, as /usr/bin is for root", {}, {}, false, false},
        {"only other programs", {"vesrin", "vesrin-selfplay"}, {}, false, false},
        {"the local records file", {"vesrin", "Vesrin.clb"}, {}, false, true},
        {"only the network records file", {"Vesrin.net"}, {}, false, true},
        {"the portable marker, a records file lost", {"Vesrin.portable"}, {}, false, true},
        {"a read-only portable copy", {"Vesrin.clb", "Vesrin.net"}, {}, true, true},
        {"a folder, not a file, under a records name", {}, {"Vesrin.clb", "Vesrin.portable"}, false, false},
        {"other spelling of the names", {"vesrin.clb", "VESRIN.NET"}, {}, false, false},
    };
    const std::array<std::string_view, 2> records = {"Vesrin.clb", "Vesrin.net"};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        test::TempFolder root;
        const auto bin = root / "bin";
        std::filesystem::create_directories(bin);
        for (const char* file : c.Files) test::WriteBytes(bin / file, "x");
        for (const char* folder : c.Folders) std::filesystem::create_directories(bin / folder);
        if (c.ReadOnly) test::MakeReadOnly(bin);
        EXPECT_EQ(IsPortableFolder(bin, records), c.Portable);
        const auto folders = ResolveProgramFolders(bin, IsPortableFolder(bin, records), root / "home");
        EXPECT_EQ(folders.Portable, c.Portable);
        EXPECT_EQ(folders.Program, c.Portable ? bin / "" : root / "home" / "Qor" / "Vesrin" / "");
    }
    test::TempFolder root;
    EXPECT_FALSE(IsPortableFolder(root / "missing", records));
}

TEST(ProgramFolders, FirstStartCopiesTheInstallationContentOnce) {
    test::TempFolder root;
    std::filesystem::create_directories(root / "share");
    test::WriteBytes(root / "share" / "Vesrin.clb", "clb");
    test::WriteBytes(root / "share" / "Vesrin.net", "net");
    const std::array<std::string_view, 2> names = {"Vesrin.clb", "Vesrin.net"};
    const auto folders = ResolveProgramFolders(root / "bin", false, root / "home");

    EXPECT_EQ(PrepareProgramFolder(folders, root / "share", names), FirstStartStatus::Copied);
    EXPECT_EQ(ReadFileBytes(folders.Program / "Vesrin.clb"), "clb");
    EXPECT_EQ(ReadFileBytes(folders.Program / "Vesrin.net"), "net");

    // Later starts leave the player's files alone, even a lost one.
    test::WriteBytes(folders.Program / "Vesrin.clb", "played");
    std::filesystem::remove(folders.Program / "Vesrin.net");
    EXPECT_EQ(PrepareProgramFolder(folders, root / "share", names), FirstStartStatus::NotNeeded);
    EXPECT_EQ(ReadFileBytes(folders.Program / "Vesrin.clb"), "played");
    EXPECT_FALSE(std::filesystem::exists(folders.Program / "Vesrin.net"));
}

TEST(ProgramFolders, FirstStartWithoutContentFails) {
    test::TempFolder root;
    const std::array<std::string_view, 1> names = {"Vesrin.clb"};
    const auto folders = ResolveProgramFolders(root / "bin", false, root / "home");
    EXPECT_EQ(PrepareProgramFolder(folders, root / "nothing", names), FirstStartStatus::Failed);
    const auto portable = ResolveProgramFolders(root.Path(), true, root / "home");
    EXPECT_EQ(PrepareProgramFolder(portable, root / "nothing", names), FirstStartStatus::NotNeeded);
}

} // namespace
} // namespace vesrin
