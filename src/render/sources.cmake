target_sources(core PRIVATE
  src/render/BmpReader.cpp
  src/render/BmpWriter.cpp
  src/render/CBmpPicture.cpp
  src/render/CharacterPicture.cpp
  src/render/GlyphScale.cpp
  src/render/LargerGlyph.cpp
  src/render/ContentImage.cpp
  src/render/LetterPicture.cpp
  src/render/PinyinBitmap.cpp
  src/render/PinyinSyllable.cpp
  src/render/PinyinText.cpp
  src/render/SentenceGrid.cpp
  src/render/SharedGlyphs.cpp
  src/render/WordColours.cpp
  src/render/WordImage.cpp
  src/render/WordPictures.cpp
)
target_sources(gui PRIVATE
  src/render/CMutiWord.cpp
)
