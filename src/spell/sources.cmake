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

tessalyne_add_practice_program(spell src/spell/main.cpp)
