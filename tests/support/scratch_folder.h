#pragma once

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <system_error>

// Whole files as bytes, for tests that compare what a reader or writer sees byte for byte.

// Writes text as it stands, making the folders on the way.
inline void writeWholeFile(const std::filesystem::path& path, const std::string& text) {
    if (path.has_parent_path())
        std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

// The file's bytes; empty for a file that cannot be read.
inline std::string readWholeFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// A scratch folder for one test, removed with the object. ctest runs test cases side by side,
// each in its own process, and other build folders may run the same test at the same moment:
// the name carries the process id, and mkdtemp's suffix keeps apart the folders of one process
// and any left behind by a process that died.
class TScratchFolder {
  public:
    explicit TScratchFolder(const std::string& name) : folder_(makeFolder(name)) {}
    ~TScratchFolder() {
        std::error_code ignored;  // a destructor must not throw; a leftover is only clutter
        std::filesystem::remove_all(folder_, ignored);
    }
    TScratchFolder(const TScratchFolder&) = delete;
    TScratchFolder& operator=(const TScratchFolder&) = delete;

    // The folder itself, without a trailing separator.
    std::string folder() const { return folder_.string(); }
    // The folder with a trailing separator, as base folders are given.
    std::string base() const { return folder_.string() + "/"; }
    std::string path(const std::string& file) const { return (folder_ / file).string(); }
    // Writes a file below the folder and gives its path.
    std::string write(const std::string& file, const std::string& text) const {
        writeWholeFile(folder_ / file, text);
        return path(file);
    }
    std::string read(const std::string& file) const { return readWholeFile(folder_ / file); }

  private:
    static std::filesystem::path makeFolder(const std::string& name) {
        std::string pattern = (std::filesystem::temp_directory_path() /
                               ("motivica_" + name + "_" + std::to_string(::getpid()) + "_XXXXXX"))
                                  .string();
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("cannot make a scratch folder from " + pattern);
        return pattern;
    }

    std::filesystem::path folder_;
};
