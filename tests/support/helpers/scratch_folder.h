// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <stdexcept>
#include <string>

#include <stdlib.h>

namespace murax::testing {

// A fresh folder of its own for one test, removed with everything in it afterwards; in the
// temporary folder (TMPDIR's) unless another parent is given.
class ScratchFolder {
public:
    explicit ScratchFolder(
        const std::filesystem::path& parent = std::filesystem::temp_directory_path())
    {
        static std::mt19937 generator{std::random_device{}()};
        for (int attempt = 0; attempt < 100; ++attempt) {
            const auto candidate = parent / ("murax-test-" + std::to_string(generator()));
            if (std::filesystem::create_directory(candidate)) {
                path_ = candidate;
                return;
            }
        }
        throw std::runtime_error("no scratch folder");
    }
    ~ScratchFolder()
    {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string operator/(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

// Works in another current directory for the lifetime of the object.
class CurrentDirectory {
public:
    explicit CurrentDirectory(const std::filesystem::path& folder)
        : saved_(std::filesystem::current_path())
    {
        std::filesystem::current_path(folder);
    }
    ~CurrentDirectory() { std::filesystem::current_path(saved_); }
    CurrentDirectory(const CurrentDirectory&) = delete;
    CurrentDirectory& operator=(const CurrentDirectory&) = delete;

private:
    std::filesystem::path saved_;
};

// The variables that name the folders for the user's data and settings (see user_folders.h).
#ifdef _WIN32
inline constexpr const char* kDataFolderVariable = "LOCALAPPDATA";
inline constexpr const char* kConfigFolderVariable = "APPDATA";
#else
inline constexpr const char* kDataFolderVariable = "XDG_DATA_HOME";
inline constexpr const char* kConfigFolderVariable = "XDG_CONFIG_HOME";
#endif

// Sets (or, with nothing, unsets) an environment variable for the lifetime of the object.
class EnvironmentVariable {
public:
    EnvironmentVariable(std::string name, const std::optional<std::string>& value)
        : name_(std::move(name))
    {
        if (const char* old = std::getenv(name_.c_str()))
            saved_ = old;
        set(value);
    }
    ~EnvironmentVariable() { set(saved_); }
    EnvironmentVariable(const EnvironmentVariable&) = delete;
    EnvironmentVariable& operator=(const EnvironmentVariable&) = delete;

private:
    void set(const std::optional<std::string>& value) const
    {
#ifdef _WIN32
        ::_putenv_s(name_.c_str(), value ? value->c_str() : "");
#else
        if (value)
            ::setenv(name_.c_str(), value->c_str(), 1);
        else
            ::unsetenv(name_.c_str());
#endif
    }

    std::string name_;
    std::optional<std::string> saved_;
};

inline void writeText(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string readText(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace murax::testing
