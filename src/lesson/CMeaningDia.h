#pragma once

#include "lesson/MeaningRecord.h"
#include "render/LessonWindowLink.h"

#include <QColor>
#include <QWidget>

#include <array>
#include <string>
#include <vector>

class CMutiWord;
class LessonWindowServices;

// The owner of meaning lines in click mode 1 (the typical-sentence dialog): told which line
// was clicked.
class MeaningLineOwner {
public:
    virtual ~MeaningLineOwner() = default;
    virtual void OnMeaningLineClicked(int number) = 0;
};

// A borderless child that shows one line of Chinese words, each a word control with its pinyin,
// wrapped over as many rows as its width needs; it reports its height so the owner can place what
// follows. The note key is what a click on the note mark "*" inside it opens.
class CMeaningDia : public QWidget, public NoteKeyHolder {
public:
    enum ClickMode { kNoClick = 0, kTypicalDialog = 1, kTypicalPanel = 2 };
    static constexpr int kMaxWordControls = 500;

    explicit CMeaningDia(QWidget* parent);
    ~CMeaningDia() override;

    // Lays the record's words out; moves, sizes and shows the popup; returns its height. An empty
    // words text only removes the word controls and returns 0.
    int Show(const MeaningRecord& record);
    void ClearWords();

    void SetClickMode(int mode) { m_clickMode = mode; }
    int ClickMode() const { return m_clickMode; }
    void SetBackground(const QColor& colour);
    void SetNoteKey(const std::string& key) { m_noteKey = key; }
    std::string NoteKey() const override { return m_noteKey; }

    int Height() const { return m_height; }
    const MeaningRecord& Record() const { return m_record; }
    // The word controls of the last Show, in word order.
    std::vector<CMutiWord*> WordControls() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int LayOutWords();
    CMutiWord* WordControl(size_t slot);

    MeaningRecord m_record;
    int m_height = 0;
    std::array<CMutiWord*, kMaxWordControls> m_words{};
    int m_lastWordWidth = 0;
    int m_clickMode = kNoClick;
    std::string m_noteKey;
    std::string m_textLine; // the one-line text of display mode 3 (always empty)
    std::string m_state = "0";
    QColor m_background = QColor(244, 244, 241);
};
