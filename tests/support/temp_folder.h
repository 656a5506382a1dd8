#pragma once
// A fresh folder of a test's own under the temporary folder, removed at the end; a test
// that runs the program can make it the current folder, where the data file lives.
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace quorelin::testing {

// A file's bytes; none when it is missing.
inline std::vector<std::uint8_t> ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class TempFolder {
public:
    // `enter`: the folder is the current folder until the end.
    explicit TempFolder(const std::string& name, bool enter = false)
        : path_(std::filesystem::temp_directory_path() /
                ("quorelin-" + name + "-" + std::to_string(::getpid()))) {
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
        if (enter) {
            old_ = std::filesystem::current_path();
            std::filesystem::current_path(path_);
        }
    }
    ~TempFolder() {
        std::error_code ignored;
        if (!old_.empty()) {
            std::filesystem::current_path(old_, ignored);
        }
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

    // Writes a file in the folder, replacing one that is there.
    void Write(const std::string& name, const std::vector<std::uint8_t>& bytes) const {
        std::ofstream(path_ / name, std::ios::binary | std::ios::trunc)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    }
    std::vector<std::uint8_t> Read(const std::string& name) const { return ReadFile(path_ / name); }

private:
    std::filesystem::path path_;
    std::filesystem::path old_;
};

}  // namespace quorelin::testing
