#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// A whole file mapped read-only into memory, for readers that walk large files (pictures,
// sounds) without copying them first. Closed when the file cannot be opened, is not a regular
// file, is empty or cannot be mapped.
class MappedFile {
public:
    MappedFile() = default;
    explicit MappedFile(const std::string& path);
    ~MappedFile();
    MappedFile(MappedFile&& other) noexcept;
    MappedFile& operator=(MappedFile&& other) noexcept;
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    bool IsOpen() const { return m_data != nullptr; }
    const std::uint8_t* Data() const { return m_data; }
    std::size_t Size() const { return m_size; }

private:
    void Release();

    const std::uint8_t* m_data = nullptr;
    std::size_t m_size = 0;
};
