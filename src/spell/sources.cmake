# The spelling program's pinyin reader, check and round (no widgets) belong to core; its window
# makes up the `spell` executable beside the main program.
target_sources(core PRIVATE
  src/spell/SpellingCheck.cpp
  src/spell/SpellingRound.cpp
  src/spell/SpellTexts.cpp
  src/spell/TypedPinyin.cpp
)
target_sources(gui PRIVATE
  src/spell/CSpellApp.cpp
  src/spell/CSpellDlg.cpp
  src/spell/CSyllableFeedback.cpp
)

add_executable(spell src/spell/main.cpp)
target_link_libraries(spell PRIVATE gui core)
if(TESSALYNE_AUTOMATION)
  target_link_libraries(spell PRIVATE automation)
  target_compile_definitions(spell PRIVATE TESSALYNE_AUTOMATION)
endif()
set_target_properties(spell PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${TESSALYNE_PROGRAM_DIR})
