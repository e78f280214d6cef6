# The exercise program's questions, run and command line (no widgets) belong to core; its windows
# make up the `exercise` executable beside the main program.
target_sources(core PRIVATE
  src/exercise/ExerciseCommandLine.cpp
  src/exercise/ExerciseGenerator.cpp
  src/exercise/ExerciseSession.cpp
  src/exercise/ExerciseTexts.cpp
  src/exercise/ToneVariants.cpp
)
