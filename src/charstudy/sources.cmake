target_sources(core PRIVATE
  src/charstudy/StrokeFile.cpp
)
