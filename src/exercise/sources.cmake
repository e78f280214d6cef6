# The exercise program's questions, run and command line (no widgets) belong to core; its windows
# make up the `exercise` executable beside the main program.
target_sources(core PRIVATE
  src/exercise/ExerciseGenerator.cpp
  src/exercise/ExerciseSession.cpp
  src/exercise/ExerciseTexts.cpp
  src/exercise/ToneVariants.cpp
)
target_sources(gui PRIVATE
  src/exercise/CChoiceButton.cpp
  src/exercise/CExerciseApp.cpp
  src/exercise/CExerciseDlg.cpp
  src/exercise/CExerciseResultPanel.cpp
  src/exercise/CPracticeDlg.cpp
  src/exercise/PracticeProgram.cpp
)

tessalyne_add_practice_program(exercise src/exercise/main.cpp)
