target_sources(core PRIVATE
  src/audio/SpeakingPractice.cpp
)
