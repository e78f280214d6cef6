target_sources(core PRIVATE
  src/lesson/LessonCatalogData.cpp
  src/lesson/LessonSettings.cpp
  src/lesson/MeaningLayout.cpp
  src/lesson/UserAccounts.cpp
)
