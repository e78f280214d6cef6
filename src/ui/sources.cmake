target_sources(gui PRIVATE
  src/ui/CMessageBoxNotice.cpp
)
