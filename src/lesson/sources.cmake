target_sources(core PRIVATE
  src/lesson/LessonSettings.cpp
  src/lesson/UserAccounts.cpp
)
