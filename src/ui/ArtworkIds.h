#pragma once

#include <QPoint>

// Resource ids of the program's bitmaps and cursors (compiled in as ":/bitmaps/<id>.png" and
// ":/cursors/<id>.png" by the artwork generator). Ids below 500 are the ones the windows are built
// around; the others are faces and pictures this program chose for buttons without a fixed id.
namespace artwork {

inline constexpr int kHandCursor = 251;
inline constexpr QPoint kHandCursorHotSpot{5, 0};

// Catalogue command buttons (hover, normal).
inline constexpr int kWordTrainerHover = 501, kWordTrainerNormal = 500;
inline constexpr int kSettingsHover = 503, kSettingsNormal = 502;
inline constexpr int kAboutHover = 505, kAboutNormal = 504;
inline constexpr int kWebsiteHover = 507, kWebsiteNormal = 506;
inline constexpr int kHelpHover = 509, kHelpNormal = 508;
inline constexpr int kExitHover = 511, kExitNormal = 510;
inline constexpr int kGoHover = 513, kGoNormal = 512;
// Login, message and settings dialogs.
inline constexpr int kLoginHover = 515, kLoginNormal = 514;
inline constexpr int kCancelHover = 517, kCancelNormal = 516;
inline constexpr int kYesHover = 519, kYesNormal = 518;
inline constexpr int kNoHover = 521, kNoNormal = 520;
inline constexpr int kOkHover = 523, kOkNormal = 522;
inline constexpr int kDefaultsHover = 525, kDefaultsNormal = 524;
// Full-size pictures of the information dialogs 293, 339 (vendor site or not) and 340, 341.
inline constexpr int kInfoPicture293 = 530, kInfoPicture339 = 531;
inline constexpr int kInfoPicture340 = 532, kInfoPicture341 = 533;
// Speaking practice: play the model (button 1061) and play the learner's recording (1097).
inline constexpr int kPlayModelHover = 535, kPlayModelNormal = 534;
inline constexpr int kPlayLearnerHover = 537, kPlayLearnerNormal = 536;
// The program's window icon.
inline constexpr int kAppIcon = 540;
// Exercise program: replay the sound, check, next question, give up, try again, close.
inline constexpr int kReplayHover = 542, kReplayNormal = 541;
inline constexpr int kCheckHover = 544, kCheckNormal = 543;
inline constexpr int kNextHover = 546, kNextNormal = 545;
inline constexpr int kGiveUpHover = 548, kGiveUpNormal = 547;
inline constexpr int kTryAgainHover = 550, kTryAgainNormal = 549;
inline constexpr int kCloseHover = 552, kCloseNormal = 551;

// Lesson buttons of the catalogue: a face pair per lesson (1..35) and progress state
// (0 not started, 1 finished, 2 started); the pressed face is the hover bitmap.
inline constexpr int kLessonFaceBase = 600;
constexpr int LessonFaceId(int lesson, int state, bool pressed) {
    return kLessonFaceBase + (lesson - 1) * 6 + state * 2 + (pressed ? 1 : 0);
}

} // namespace artwork
