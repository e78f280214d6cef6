# The generated media of the program folder: the no-content movie of every interface language,
# the loading movie and the interface sounds. They follow the tool, the list of languages and the
# movie texts, and are drawn again when one of the files is missing.
set(programmedia_dir ${CMAKE_CURRENT_LIST_DIR})
add_library(programmedialib STATIC
  ${programmedia_dir}/InterfaceSounds.cpp
  ${programmedia_dir}/ProgramMedia.cpp
  ${programmedia_dir}/ProgramMovies.cpp)
target_include_directories(programmedialib PUBLIC ${programmedia_dir})
target_link_libraries(programmedialib PUBLIC lessoncontent gifwriter)

add_executable(programmedia ${programmedia_dir}/main.cpp)
target_link_libraries(programmedia PRIVATE programmedialib)

set(programmedia_languages ${CMAKE_SOURCE_DIR}/content/lessons/languages.txt)
set(programmedia_texts ${CMAKE_SOURCE_DIR}/content/program/movie-texts.ini)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${programmedia_languages})
file(STRINGS ${programmedia_languages} programmedia_suffixes REGEX "^[a-z]+$")
set(programmedia_outputs ${TESSALYNE_PROGRAM_DIR}/image/loading.swf)
foreach(suffix ${programmedia_suffixes})
  list(APPEND programmedia_outputs ${TESSALYNE_PROGRAM_DIR}/Lesson_res/lesson_${suffix}/Nocontent.swf)
endforeach()
foreach(sound button du pagedownup)
  list(APPEND programmedia_outputs ${TESSALYNE_PROGRAM_DIR}/sound/${sound}.wav)
endforeach()
add_custom_command(
  OUTPUT ${programmedia_outputs}
  COMMAND ${TESSALYNE_RUN_TOOL}
          $<TARGET_FILE:programmedia> ${programmedia_languages} ${programmedia_texts} ${TESSALYNE_PROGRAM_DIR}
  DEPENDS programmedia ${programmedia_languages} ${programmedia_texts}
  COMMENT "Drawing the program's movies and making its interface sounds"
  VERBATIM)
add_custom_target(program_media ALL DEPENDS ${programmedia_outputs})
