#pragma once

#include <QString>
#include <QStringList>

// The words the artwork draws, in the interface language it is drawing for. The program picks a
// picture by the language suffix and falls back to the English one, so only pictures whose words
// differ are drawn again per language.
namespace arttexts {

// The interface languages the artwork is drawn in, English first.
QStringList Languages();
void SetLanguage(const QString& suffix);
// The text in the language being drawn; the English text where none is known.
QString Say(const QString& english);

} // namespace arttexts
