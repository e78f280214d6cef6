#pragma once

#include <string>
#include <vector>

// The texts of a window in the interface language, from one section of an ini file beside the
// program; a text the file lacks (or leaves empty) is the English one.
class InterfaceTexts {
public:
    struct Entry {
        const char* key;
        const char* english;
    };

    void Load(const std::string& path, const std::string& section, const Entry* entries, size_t count);
    const std::string& Get(size_t index) const { return m_texts.at(index); }

private:
    std::vector<std::string> m_texts;
};
