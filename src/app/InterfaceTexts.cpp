#include "app/InterfaceTexts.h"

#include "app/CIniFile.h"

void InterfaceTexts::Load(const std::string& path, const std::string& section, const Entry* entries,
                          size_t count) {
    const IniDocument file = CIniFile(path).Read();
    m_texts.assign(count, {});
    for (size_t i = 0; i < count; ++i) {
        m_texts[i] = file.Value(section, entries[i].key).value_or(entries[i].english);
        if (m_texts[i].empty())
            m_texts[i] = entries[i].english;
    }
}
