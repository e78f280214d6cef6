# The spelling program's pinyin reader, check and round (no widgets) belong to core; its window
# makes up the `spell` executable beside the main program.
target_sources(core PRIVATE
  src/spell/SpellingCheck.cpp
  src/spell/SpellingRound.cpp
  src/spell/SpellTexts.cpp
  src/spell/TypedPinyin.cpp
)
