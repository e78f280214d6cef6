#pragma once

#include <QString>

#include <map>
#include <string>

// The interface texts drawn into pictures (lesson heads, pane titles, the catalogue's guide), read
// from "picture-texts_<language>.ini" so translators edit them beside the other settings files.
namespace lessons {

class PictureTexts {
public:
    // Reads the file of `language` in `folder`; false with `error` set when it cannot be read or
    // lacks a text the pictures need.
    bool Load(const std::string& folder, const std::string& language, std::string& error);

    // The text of a key that Load found (an empty text for any other key).
    QString Text(const std::string& section, const std::string& key) const;
    const std::string& Language() const { return m_language; }

private:
    std::string m_language;
    std::map<std::string, QString> m_texts; // "section/key" -> text
};

// The file the texts of `language` are read from.
std::string PictureTextsFile(const std::string& folder, const std::string& language);

} // namespace lessons
