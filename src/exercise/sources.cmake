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

add_executable(exercise src/exercise/main.cpp)
target_link_libraries(exercise PRIVATE gui core)
if(TESSALYNE_AUTOMATION)
  target_link_libraries(exercise PRIVATE automation)
  target_compile_definitions(exercise PRIVATE TESSALYNE_AUTOMATION)
endif()
set_target_properties(exercise PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${TESSALYNE_PROGRAM_DIR})
