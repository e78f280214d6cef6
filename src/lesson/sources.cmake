target_sources(core PRIVATE
  src/lesson/LessonCatalogData.cpp
  src/lesson/LessonContent.cpp
  src/lesson/LessonSettings.cpp
  src/lesson/LessonWindowServices.cpp
  src/lesson/MeaningLayout.cpp
  src/lesson/UserAccounts.cpp
)
target_sources(gui PRIVATE
  src/lesson/CLessonTitle.cpp
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
  src/lesson/CTypicalDialog.cpp
  src/lesson/CTypicalPanel.cpp
  src/lesson/NoContentMovie.cpp
)
