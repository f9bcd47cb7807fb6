// Files for the tests of unsaved work: a fresh folder removed afterwards, a
// path as the writer takes it, and a file's bytes.
#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

namespace recovery
{
inline std::u16string Utf16(const std::filesystem::path& path)
{
    const std::string text = path.string();
    return std::u16string(text.begin(), text.end());
}

inline std::string ReadText(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// A fresh folder, removed afterwards.
struct TestFolder
{
    std::filesystem::path path;
    explicit TestFolder(const std::string& name)
        : path(std::filesystem::temp_directory_path() /
               ("vesk-unsaved-" + name + "-" + std::to_string(std::random_device()())))
    {
        std::filesystem::create_directories(path);
    }
    ~TestFolder() { std::filesystem::remove_all(path); }
};
}
