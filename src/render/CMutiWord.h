#pragma once

#include "render/WordItem.h"
#include "render/WordPictures.h"

#include <QWidget>

#include <string>

// The control that shows one Chinese word: its characters as coloured glyph pictures, with its
// pinyin as a row of letter pictures above them or alone. The owner hands it a WordItem, gives it
// the width SetItem returns and the line height, and paints the ground; a click on a clickable
// word asks the lesson window to open it.
class CMutiWord : public QWidget {
    Q_OBJECT
public:
    // Click variants: the ordinary word study, or the new-word form of the new-word list.
    static constexpr int kClickWordStudy = 0;
    static constexpr int kClickNewWord = 1;
    static constexpr std::size_t kMaxPartOfSpeechLength = 19;

    explicit CMutiWord(QWidget* parent = nullptr);

    // Stores the item, loads its pictures and returns the width the control must be given.
    int SetItem(const WordItem& item);
    // Used by the new-word list: the click then opens the new-word form with these texts.
    void SetNewWordDetails(const std::u16string& partOfSpeech, const std::u16string& explanation);

    const WordItem& Item() const { return m_pictures.Item(); }
    bool IsNewWord() const { return m_pictures.IsNewWord(); }
    int ClickVariant() const { return m_clickVariant; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage Ground() const;
    void OpenWord();
    template <class Link> Link* FindAncestor() const;

    WordPictures m_pictures;
    QRgb m_wordColour;
    QRgb m_newWordColour;
    int m_clickVariant = kClickWordStudy;
    std::u16string m_partOfSpeech;
    std::u16string m_explanation;
};
