#include "app/InterfaceTexts.h"

#include "app/CIniFile.h"

void InterfaceTexts::Load(const std::string& path, const std::string& section, const Entry* entries,
                          size_t count) {
    const CIniFile file(path);
    m_texts.assign(count, {});
    for (size_t i = 0; i < count; ++i) {
        m_texts[i] = file.GetString(section, entries[i].key, entries[i].english);
        if (m_texts[i].empty())
            m_texts[i] = entries[i].english;
    }
}
