# The settings files beside the program: the interface languages and the word-study, exercise, spelling and trainer texts are the
# program's own and follow their sources; TSSet.ini and the lessonres files are also written by the
# program (chosen language, each learner's display settings) and are only put in place when missing.
set(program_files_dir ${CMAKE_CURRENT_LIST_DIR})
add_custom_target(program_files ALL
  COMMAND ${CMAKE_COMMAND} -E make_directory ${TESSALYNE_PROGRAM_DIR}/Lesson_res
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${program_files_dir}/LangType.ini
          ${program_files_dir}/wordstudy_en.ini ${program_files_dir}/wordstudy_fr.ini
          ${program_files_dir}/exercise_en.ini ${program_files_dir}/exercise_fr.ini
          ${program_files_dir}/spell_en.ini ${program_files_dir}/spell_fr.ini
          ${program_files_dir}/newword_en.ini ${program_files_dir}/newword_fr.ini ${TESSALYNE_PROGRAM_DIR}
  COMMAND ${CMAKE_COMMAND} -DSOURCE=${program_files_dir}/TSSet.ini -DTARGET=${TESSALYNE_PROGRAM_DIR}/TSSet.ini
          -P ${program_files_dir}/CopyIfMissing.cmake
  COMMAND ${CMAKE_COMMAND} -DSOURCE=${program_files_dir}/Lesson_res/lessonres_en.ini
          -DTARGET=${TESSALYNE_PROGRAM_DIR}/Lesson_res/lessonres_en.ini -P ${program_files_dir}/CopyIfMissing.cmake
  COMMAND ${CMAKE_COMMAND} -DSOURCE=${program_files_dir}/Lesson_res/lessonres_fr.ini
          -DTARGET=${TESSALYNE_PROGRAM_DIR}/Lesson_res/lessonres_fr.ini -P ${program_files_dir}/CopyIfMissing.cmake
  # The user guide the Help button opens.
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/docs/help ${TESSALYNE_PROGRAM_DIR}/help
  COMMENT "Settings files of the program folder"
  VERBATIM)
