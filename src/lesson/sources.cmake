target_sources(core PRIVATE
  src/lesson/LessonCatalogData.cpp
  src/lesson/LessonContent.cpp
  src/lesson/LessonSettings.cpp
  src/lesson/LessonWindowServices.cpp
  src/lesson/MeaningLayout.cpp
  src/lesson/UserAccounts.cpp
)
pkg_check_modules(SODIUM REQUIRED IMPORTED_TARGET libsodium)
target_link_libraries(core PUBLIC PkgConfig::SODIUM)
target_sources(core PRIVATE
  src/lesson/ReadAll.cpp
)
target_sources(gui PRIVATE
  src/lesson/CEmptyLessonPanes.cpp
  src/lesson/CInfoPictureDlg.cpp
  src/lesson/CLessonCatalogDlg.cpp
  src/lesson/CLessonWindow.cpp
  src/lesson/CSystemSettingDlg.cpp
  src/lesson/CTipDlg.cpp
  src/lesson/CUser.cpp
  src/lesson/CUserTipDlg.cpp
  src/lesson/DialogControls.cpp
  src/lesson/ScrollRepeatButton.cpp
)
