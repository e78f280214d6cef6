# Installing the program for all users of a machine: the program folder (executables, content,
# settings defaults, the user guide) goes under the prefix, read-only at run time; each user's
# accounts, scores, settings and log live in their own folders (src/app/UserFolders.h). The desktop
# entry, icons and AppStream metainfo go where desktops look for them, and `cpack -G DEB` packs it.
# The prefix is chosen when configuring (the launcher and the desktop entry name the program's
# path). Build folders configured before this default existed still hold CMake's /usr/local.
if(CMAKE_INSTALL_PREFIX_INITIALIZED_TO_DEFAULT
   OR (NOT TESSALYNE_INSTALL_PREFIX_SET AND CMAKE_INSTALL_PREFIX STREQUAL "/usr/local"))
  set(CMAKE_INSTALL_PREFIX /opt/tessalyne CACHE PATH "Where the program folder is installed" FORCE)
endif()
set(TESSALYNE_INSTALL_PREFIX_SET ON CACHE INTERNAL "")
# A program folder under /opt still shows in the menus: its desktop files go to /usr.
if(CMAKE_INSTALL_PREFIX MATCHES "^/opt/")
  set(tessalyne_default_data /usr/share)
  set(tessalyne_default_bin /usr/bin)
else()
  set(tessalyne_default_data share)
  set(tessalyne_default_bin bin)
endif()
# Where the desktop entry, icons and metainfo, and the launcher go (-D to choose others).
if(NOT TESSALYNE_INSTALL_DATADIR)
  set(TESSALYNE_INSTALL_DATADIR ${tessalyne_default_data})
endif()
if(NOT TESSALYNE_INSTALL_BINDIR)
  set(TESSALYNE_INSTALL_BINDIR ${tessalyne_default_bin})
endif()
set(TESSALYNE_APP_ID example.tessalyne.lessons) # as kDesktopEntryId in src/app/DesktopEntry.h

install(TARGETS tessalyne exercise spell newword RUNTIME DESTINATION .)
# Everything else the program folder holds at run time; what the programs used to make there
# themselves (log, scratch files) is left out.
install(DIRECTORY ${TESSALYNE_PROGRAM_DIR}/ DESTINATION .
  REGEX "/(tessalyne|exercise|spell|newword)$" EXCLUDE
  REGEX "/(Log|templesson)$" EXCLUDE
  REGEX "(_SC|\\.lock|\\.log|\\.tmp[0-9]+|\\.dll-(wal|shm|journal))$" EXCLUDE)

set(TESSALYNE_DESKTOP_EXEC ${CMAKE_INSTALL_PREFIX}/tessalyne)
configure_file(${CMAKE_CURRENT_LIST_DIR}/tessalyne.desktop.in
  ${CMAKE_BINARY_DIR}/packaging/${TESSALYNE_APP_ID}.desktop @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/tessalyne.metainfo.xml.in
  ${CMAKE_BINARY_DIR}/packaging/${TESSALYNE_APP_ID}.metainfo.xml @ONLY)
file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/packaging/tessalyne
  CONTENT "#!/bin/sh\nexec '${CMAKE_INSTALL_PREFIX}/tessalyne' \"$@\"\n"
  FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
install(FILES ${CMAKE_BINARY_DIR}/packaging/${TESSALYNE_APP_ID}.desktop
  DESTINATION ${TESSALYNE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/packaging/${TESSALYNE_APP_ID}.metainfo.xml
  DESTINATION ${TESSALYNE_INSTALL_DATADIR}/metainfo)
install(PROGRAMS ${CMAKE_BINARY_DIR}/packaging/tessalyne DESTINATION ${TESSALYNE_INSTALL_BINDIR})
foreach(side ${TESSALYNE_ICON_SIZES})
  install(FILES ${TESSALYNE_ARTWORK_DIR}/icons/hicolor/${side}x${side}/apps/tessalyne.png
    DESTINATION ${TESSALYNE_INSTALL_DATADIR}/icons/hicolor/${side}x${side}/apps)
endforeach()

set(CPACK_PACKAGE_NAME tessalyne)
set(CPACK_PACKAGE_VENDOR "Tessalyne")
set(CPACK_PACKAGE_CONTACT "Tessalyne Lessons <lessons@tessalyne.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Chinese course with spoken lessons and character writing")
set(CPACK_PACKAGE_DESCRIPTION "35 beginner lessons of Chinese: dialogues with pinyin and translations,
recorded sentences, stroke-order animations and handwriting practice,
speaking practice, exercises, a spelling drill and a new-word trainer.
Works offline; learner data stays in each user's home folder.")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Opened at run time rather than linked, so the library scan above cannot see it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS libportaudio2)
# Qt's own platform plugin for Wayland sessions (the program runs through XWayland without it).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The desktop files lie outside the prefix: the package is laid out as `cmake --install` lays it out.
set(CPACK_SET_DESTDIR ON)
set(CPACK_PACKAGE_INSTALL_DIRECTORY tessalyne)
set(CPACK_GENERATOR DEB)
include(CPack)
