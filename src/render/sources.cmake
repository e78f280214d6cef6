target_sources(core PRIVATE
  src/render/BmpWriter.cpp
)
