target_sources(core PRIVATE
  src/charstudy/HandwritingPractice.cpp
)
