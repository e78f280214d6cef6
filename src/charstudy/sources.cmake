target_sources(core PRIVATE
  src/charstudy/HandwritingPractice.cpp
  src/charstudy/StrokeFile.cpp
)
