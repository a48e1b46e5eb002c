#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string_view>

namespace vesrin::test {

// A fresh folder under the system's temporary folder, removed with everything in it
// when the test ends.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

void WriteBytes(const std::filesystem::path& file, std::string_view bytes);

// Runs step in a child process and gives its exit code (-1 when it did not exit), so
// that limits and a changed user stay out of the test process.
int InChild(const std::function<int()>& step);
// For a child: files may not grow beyond bytes, so writes fail as on a full disk.
void LimitFileSize(std::size_t bytes);
// For a child: the superuser writes into any folder, so it becomes an ordinary user
// first; the child exits with 99 when that fails.
void DropPrivileges();
// Read and search for everyone, writing for nobody.
void MakeReadOnly(const std::filesystem::path& folder);

} // namespace vesrin::test
