# The new-word trainer's scheduler, card store and deck (no widgets) belong to core.
target_sources(core PRIVATE
  src/trainer/Fsrs.cpp
  src/trainer/TrainerCards.cpp
  src/trainer/TrainerDeck.cpp
)
