#pragma once

#include <QRect>
#include <QSize>

// Where the program's skins leave room for controls. The artwork generator draws the skins around
// these rectangles and the windows place their controls on them, so both always agree.
namespace skinlayout {

// Lesson catalogue, skins\lesson\Login.bmp.
namespace catalog {
inline constexpr QSize kSize{1000, 680};
inline constexpr QRect kExplain{28, 112, 293, 537}; // control 1105
inline constexpr QPoint kLessonGridOrigin{352, 112};
inline constexpr int kLessonColumns = 7, kLessonRows = 5, kLessonPitch = 88;
inline constexpr QSize kLessonButton{80, 80};
// Lesson n (1..35) in reading order, row by row.
constexpr QRect LessonButton(int lesson) {
    return QRect(kLessonGridOrigin.x() + ((lesson - 1) % kLessonColumns) * kLessonPitch,
                 kLessonGridOrigin.y() + ((lesson - 1) / kLessonColumns) * kLessonPitch,
                 kLessonButton.width(), kLessonButton.height());
}
// Command buttons in a row under the grid: new-word trainer 1061, settings 4, information 5,
// web 6, help 57670, exit 2.
inline constexpr int kCommandCount = 6;
inline constexpr QSize kCommandButton{98, 44};
constexpr QRect CommandButton(int index) {
    return QRect(352 + index * 102, 576, kCommandButton.width(), kCommandButton.height());
}
} // namespace catalog

// Lesson window, skins\Lesson\lesson.bmp.
namespace lesson {
inline constexpr QSize kSize{980, 700};
inline constexpr QRect kHead{39, 25, 440, 60};            // head picture drawn at (39, 25)
inline constexpr QRect kTitle{517, 20, 420, 60};          // title picture drawn at (517, 25)
inline constexpr QRect kSelector{24, 100, 480, 35};       // control 1073
inline constexpr QPoint kChildTitle{30, 140};             // control 1102
inline constexpr QSize kChildTitleSize{407, 27};          // the child-lesson title strip
inline constexpr QRect kSentencePanel{20, 175, 450, 425}; // control 1004
inline constexpr QRect kRightPane{510, 100, 420, 500};    // control 1030
inline constexpr QSize kWindowButton{28, 24};
inline constexpr QRect kMinimise{944, 8, 28, 24};    // 1059
inline constexpr QRect kClickSound{944, 36, 28, 24}; // 1058
inline constexpr QRect kClose{944, 64, 28, 24};      // 1057
inline constexpr QSize kScrollButton{28, 28};
inline constexpr QRect kTextUp{474, 180, 28, 28};   // 1079
inline constexpr QRect kTextDown{474, 568, 28, 28}; // 1078
inline constexpr QRect kPaneUp{944, 110, 28, 28};   // 1080
inline constexpr QRect kPaneDown{944, 568, 28, 28}; // 1081
// The row of pane and command buttons along the bottom: 1026 scene, 1029 new words, 1032 language
// points, 1033 notes, 1034 typical sentences, 1024 read aloud, 1025 exercise, 1047 spelling,
// 1064 translation, 1048 back.
inline constexpr int kBottomButtonCount = 10;
inline constexpr QSize kBottomButton{84, 56};
constexpr QRect BottomButton(int index) {
    return QRect(30 + index * 92, 622, kBottomButton.width(), kBottomButton.height());
}
} // namespace lesson

// Login dialog, image\userpass.bmp.
namespace login {
inline constexpr QSize kSize{420, 280};
inline constexpr QRect kUser{150, 92, 230, 26};      // combo box 1035
inline constexpr QRect kPassword{150, 136, 230, 26}; // edit 1008
inline constexpr QRect kOk{106, 204, 96, 40};
inline constexpr QRect kCancel{218, 204, 96, 40};
} // namespace login

// Message dialog, image\tipdia.bmp; the message is painted white in (100,30)-(310,80).
namespace tip {
inline constexpr QSize kSize{340, 150};
inline constexpr QRect kText{100, 30, 210, 50};
inline constexpr QRect kYes{116, 96, 96, 40}; // button 1
inline constexpr QRect kNo{226, 96, 96, 40};  // button 2 (also the single button of a notice)
} // namespace tip

// Resume prompt, image\usertip.bmp; the message is painted white in (20,30)-(300,80).
namespace usertip {
inline constexpr QSize kSize{330, 176};
inline constexpr QRect kText{20, 30, 280, 50};
inline constexpr QRect kAskAgain{24, 90, 280, 22}; // check box 1109
inline constexpr QRect kYes{106, 124, 96, 40};
inline constexpr QRect kNo{216, 124, 96, 40};
} // namespace usertip

// System settings, image\systensetting.bmp.
namespace settings {
inline constexpr QSize kSize{440, 438};
// Colour pickers 1110 (new words), 1111 (words), 1112 (pinyin), 1115 (meanings).
constexpr QRect Picker(int index) {
    return QRect(300, 76 + index * 38, 96, 26);
}
inline constexpr QRect kAskAgain{40, 232, 20, 20};          // check box 1109
inline constexpr QRect kSentenceDistance{300, 266, 96, 26}; // 1116
inline constexpr QRect kLineDistance{300, 304, 96, 26};     // 1117
inline constexpr QRect kTextSizeLabel{40, 342, 250, 26};    // the text of the ini key ChineseTextSize_Label
inline constexpr QRect kTextSize{300, 342, 96, 26};         // 1119
inline constexpr QRect kDefaults{36, 382, 110, 40};         // 1118
inline constexpr QRect kOk{204, 382, 96, 40};
inline constexpr QRect kCancel{312, 382, 96, 40};
} // namespace settings

// Typical-sentence detail dialog, image\dxj.bmp.
namespace detail {
inline constexpr QSize kSize{560, 720};
inline constexpr QRect kClose{516, 14, 28, 28}; // button 2
inline constexpr QRect kContent{48, 60, 496, 640};
} // namespace detail

// The large writing pad of the word-study page, image\writingpad150.bmp and image\writingpad200.bmp:
// the pad at 150 % or 200 % of its base size (260 x 300) in the inset, the command buttons in a
// column beside it.
namespace writingpad {
inline constexpr int kHeaderHeight = 56;
inline constexpr QPoint kPadOrigin{24, 72};
inline constexpr int kMargin = 24;
inline constexpr QSize kCommand{96, 34};
constexpr QSize PadSize(int percent) {
    return {260 * percent / 100, 300 * percent / 100};
}
constexpr QSize Size(int percent) {
    return {kPadOrigin.x() + PadSize(percent).width() + 20 + kCommand.width() + kMargin,
            kPadOrigin.y() + PadSize(percent).height() + kMargin};
}
constexpr QRect Pad(int percent) {
    return {kPadOrigin, PadSize(percent)};
}
constexpr QRect Title(int percent) {
    return {28, 8, Size(percent).width() - 100, 40};
}
constexpr QRect Close(int percent) { // button 2
    return {Size(percent).width() - 44, 14, 28, 28};
}
// The animation, practise and grade buttons, top down.
constexpr QRect Command(int percent, int index) {
    return {Pad(percent).right() + 21, kPadOrigin.y() + 16 + index * 46, kCommand.width(), kCommand.height()};
}
} // namespace writingpad

// Exercise program window, skins\Exercise\exercise.bmp. The header band carries the title and the
// progress; the prompt and answer areas are insets; the command buttons sit along the bottom.
namespace exercise {
inline constexpr QSize kSize{820, 700};
inline constexpr int kHeaderHeight = 78;
inline constexpr QRect kTitle{28, 10, 560, 58};
inline constexpr QRect kClose{772, 14, 28, 24};
inline constexpr QRect kProgress{28, 92, 764, 14};
inline constexpr QRect kInstruction{28, 114, 764, 28};
inline constexpr QRect kPrompt{40, 152, 740, 132};
inline constexpr QRect kReplay{730, 160, 40, 40};
inline constexpr QRect kAnswers{40, 300, 740, 300};
inline constexpr QSize kChoice{360, 136};
constexpr QRect Choice(int index) {
    return QRect(kAnswers.left() + (index % 2) * (kChoice.width() + 20),
                 kAnswers.top() + (index / 2) * (kChoice.height() + 16), kChoice.width(), kChoice.height());
}
inline constexpr QRect kFeedback{40, 608, 500, 78};
inline constexpr QSize kCommand{160, 40};
// Commands along the bottom right: give up or check, and the next question.
constexpr QRect Command(int index) {
    return QRect(kSize.width() - 40 - (index + 1) * kCommand.width() - index * 12, 640, kCommand.width(),
                 kCommand.height());
}
} // namespace exercise

inline constexpr QSize kGradeSize{228, 62};          // image\grade.bmp
inline constexpr QSize kPadBackgroundSize{260, 280}; // image\lesson_wordstudy.bmp
inline constexpr QSize kSpeakerIconSize{32, 32};     // image\general.bmp, laba1.bmp, stop.bmp

} // namespace skinlayout
