target_sources(core PRIVATE
  src/lesson/LessonCatalogData.cpp
  src/lesson/LessonContent.cpp
  src/lesson/LessonSettings.cpp
  src/lesson/LessonWindowServices.cpp
  src/lesson/MeaningLayout.cpp
  src/lesson/UserAccounts.cpp
)
