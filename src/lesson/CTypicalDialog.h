#pragma once

#include "lesson/CMeaningDia.h"
#include "lesson/LessonContent.h"
#include "ui/SkinDialog.h"
#include "ui/SkinLayout.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

class BitmapButton;
class LessonContentService;

// The detail dialog of one typical sentence: the sentence with its translation, its examples with
// their meanings, and buttons that play the sentence and the chosen example. Created once by the
// lesson window and shown again for each typical sentence the learner clicks.
class CTypicalDialog : public SkinDialog, public MeaningLineOwner {
public:
    static constexpr int kCloseId = 2;
    static constexpr int kPlayExampleId = 1061;
    static constexpr int kPlayTypicalId = 1097;
    static constexpr int kMaxExamples = 10;
    static constexpr QSize kSize = skinlayout::detail::kSize;

    CTypicalDialog(LessonContentService& content, QWidget* parent);
    ~CTypicalDialog() override;

    void ShowTypical(const std::string& typicalId);
    void OnMeaningLineClicked(int number) override;
    void PlayExample();
    void PlayTypical();

    const std::string& TypicalId() const { return m_typicalId; }
    const std::vector<lesson::TypicalExample>& Examples() const { return m_examples; }
    int SelectedExample() const { return m_selected; }
    CMeaningDia* SentenceLine() const { return m_sentenceLine; }
    CMeaningDia* ExampleLine(int n) const { return m_exampleLines[static_cast<size_t>(n)]; }
    BitmapButton* PlayExampleButton() const { return m_playExample; }
    // Path of an example's decoded sound, as the play button uses it.
    static std::string ExampleWav(int number);

    // How sounds are played: asynchronously through the sound player by default.
    using Player = std::function<void(const std::string& wavPath)>;
    void SetPlayer(Player player) { m_play = std::move(player); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    BitmapButton* MakeButton(int id, int hover, int normal, const char* tooltip, const QRect& place);
    MeaningRecord LineRecord(const std::u16string& words, const std::u16string& pinyin, int top) const;
    void LoadSentence();
    void LoadExamples();
    void DrawWrapped(QPainter& painter, const QRect& clear, const QRect& text, const std::string& value);

    LessonContentService& m_content;
    std::string m_typicalId;
    std::u16string m_sentence;
    std::u16string m_pinyin;
    std::string m_translation;
    std::vector<lesson::TypicalExample> m_examples;
    std::array<CMeaningDia*, kMaxExamples> m_exampleLines{};
    CMeaningDia* m_sentenceLine;
    CMeaningDia* m_selectedLine;
    int m_translationTop = 0;
    int m_selected = -1;
    int m_toPlay = -1;
    BitmapButton* m_playExample;
    Player m_play;
};
