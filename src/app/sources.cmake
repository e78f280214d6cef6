target_sources(core PRIVATE
  src/app/CIniFile.cpp
  src/app/CInstanceLock.cpp
  src/app/CLog.cpp
  src/app/CProfile.cpp
  src/app/CScratchFolder.cpp
  src/app/ContentPath.cpp
  src/app/CourseContent.cpp
  src/app/FileUtils.cpp
  src/app/Globals.cpp
  src/app/IniDocument.cpp
  src/app/MappedFile.cpp
  src/app/InterfaceTexts.cpp
  src/app/LanguageRecord.cpp
  src/app/PracticeCommandLine.cpp
  src/app/TextEncoding.cpp
  src/app/UserFolders.cpp
  src/app/UserNotice.cpp
)
target_sources(gui PRIVATE
  src/app/CInstanceActivation.cpp
  src/app/CTerminationSignal.cpp
  src/app/CLessonApp.cpp
  src/app/FillLanguageList.cpp
)
