target_sources(core PRIVATE
  src/lesson/ContentProblemMessage.cpp
  src/lesson/LearnerService.cpp
  src/lesson/LessonCatalogData.cpp
  src/lesson/LessonContent.cpp
  src/lesson/LessonContentService.cpp
  src/lesson/LessonProgress.cpp
  src/lesson/LessonSettings.cpp
  src/lesson/LessonWindowServices.cpp
  src/lesson/MeaningLayout.cpp
  src/lesson/SpeakerTitleFit.cpp
  src/lesson/UserAccounts.cpp
)
pkg_check_modules(SODIUM REQUIRED IMPORTED_TARGET libsodium)
target_link_libraries(core PUBLIC PkgConfig::SODIUM)
target_sources(core PRIVATE
  src/lesson/ReadAll.cpp
)
target_sources(gui PRIVATE
  src/lesson/CHelpWindow.cpp
  src/lesson/CInfoPictureDlg.cpp
  src/lesson/CLessonCatalogDlg.cpp
  src/lesson/CLessonPanes.cpp
  src/lesson/CLessonTitle.cpp
  src/lesson/CLessonWindow.cpp
  src/lesson/CMeaningDia.cpp
  src/lesson/CMeaningText.cpp
  src/lesson/CNewWordList.cpp
  src/lesson/CNewWordPane.cpp
  src/lesson/CNotePage.cpp
  src/lesson/CNotesPane.cpp
  src/lesson/CPictureStrip.cpp
  src/lesson/CScenePane.cpp
  src/lesson/CSentencePanel.cpp
  src/lesson/CStaticPicture.cpp
  src/lesson/CSystemSettingDlg.cpp
  src/lesson/CTipDlg.cpp
  src/lesson/CTypicalDialog.cpp
  src/lesson/CTypicalPanel.cpp
  src/lesson/CUser.cpp
  src/lesson/CUserTipDlg.cpp
  src/lesson/DialogControls.cpp
  src/lesson/NoContentMovie.cpp
  src/lesson/ScrollRepeatButton.cpp
)
