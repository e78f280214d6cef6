# The artwork generator draws every bitmap of the program at build time: button faces, pictures and
# the hand cursor go into the Qt resources compiled into gui; window skins and dialog pictures go
# into the program folder.
# The palette and drawing helpers, shared with the content build's pictures.
add_library(artstyle STATIC tools/artwork/ArtStyle.cpp)
target_include_directories(artstyle PUBLIC ${CMAKE_SOURCE_DIR}/tools/artwork)
target_link_libraries(artstyle PUBLIC Qt6::Gui)
set_target_properties(artstyle PROPERTIES AUTOMOC OFF AUTORCC OFF)

add_executable(artworkgen
  tools/artwork/main.cpp
  tools/artwork/ArtTexts.cpp
  tools/artwork/ButtonFaces.cpp
  tools/artwork/ContactSheet.cpp
  tools/artwork/WindowPictures.cpp)
target_include_directories(artworkgen PRIVATE ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/tools/artwork)
target_link_libraries(artworkgen PRIVATE artstyle)
set_target_properties(artworkgen PROPERTIES AUTOMOC OFF AUTORCC OFF)

set(TESSALYNE_ARTWORK_DIR ${CMAKE_BINARY_DIR}/artwork)
# The pictures of the program folder, so a deleted one is drawn again.
set(program_pictures
  skins/Lesson/Login.bmp skins/Lesson/lesson.bmp skins/Exercise/exercise.bmp image/userpass.bmp image/tipdia.bmp image/usertip.bmp
  image/systensetting.bmp image/dxj.bmp image/writingpad150.bmp image/writingpad200.bmp image/grade.bmp image/lesson_wordstudy.bmp image/general.bmp
  image/laba1.bmp image/stop.bmp
  # French versions of the pictures with words
  skins/Lesson/Login_fr.bmp image/userpass_fr.bmp image/usertip_fr.bmp image/systensetting_fr.bmp
  image/dxj_fr.bmp image/grade_fr.bmp image/lesson_wordstudy_fr.bmp)
list(TRANSFORM program_pictures PREPEND ${TESSALYNE_PROGRAM_DIR}/)
# The desktop's icons of the program, drawn from the window icon (as kDesktopIconSizes in main.cpp).
set(TESSALYNE_ICON_SIZES 16 22 24 32 48 64 128 256)
set(desktop_icons ${TESSALYNE_ICON_SIZES})
list(TRANSFORM desktop_icons REPLACE "(.+)" "${TESSALYNE_ARTWORK_DIR}/icons/hicolor/\\1x\\1/apps/tessalyne.png")
add_custom_command(
  OUTPUT ${TESSALYNE_ARTWORK_DIR}/artwork.qrc ${program_pictures} ${desktop_icons}
  COMMAND ${CMAKE_COMMAND} -E rm -f ${TESSALYNE_ARTWORK_DIR}/artwork.qrc
  COMMAND ${TESSALYNE_RUN_TOOL}
          $<TARGET_FILE:artworkgen> ${TESSALYNE_ARTWORK_DIR} ${TESSALYNE_PROGRAM_DIR}
  DEPENDS artworkgen
  COMMENT "Drawing the program's artwork"
  VERBATIM)
add_custom_command(
  OUTPUT ${TESSALYNE_ARTWORK_DIR}/qrc_artwork.cpp
  COMMAND Qt6::rcc --name artwork ${TESSALYNE_ARTWORK_DIR}/artwork.qrc -o ${TESSALYNE_ARTWORK_DIR}/qrc_artwork.cpp
  DEPENDS ${TESSALYNE_ARTWORK_DIR}/artwork.qrc
  VERBATIM)
set_source_files_properties(${TESSALYNE_ARTWORK_DIR}/qrc_artwork.cpp PROPERTIES SKIP_AUTOGEN ON GENERATED ON)
target_sources(gui PRIVATE ${TESSALYNE_ARTWORK_DIR}/qrc_artwork.cpp)
