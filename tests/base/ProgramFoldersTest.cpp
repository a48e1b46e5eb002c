#include "base/ProgramFolders.h"

#include "base/FileBytes.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <array>

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
    EXPECT_EQ(InstallContentFolder("/usr/bin"), "/usr/share/vesrin/");
}

TEST(ProgramFolders, WritableProbe) {
    test::TempFolder folder;
    EXPECT_TRUE(IsFolderWritable(folder.Path()));
    EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));
    EXPECT_FALSE(IsFolderWritable(folder / "missing"));
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
