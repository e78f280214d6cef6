# The new-word trainer's scheduler, card store, deck and texts (no widgets) belong to core; its
# window makes up the `newword` executable beside the main program.
target_sources(core PRIVATE
  src/trainer/Fsrs.cpp
  src/trainer/TrainerCards.cpp
  src/trainer/TrainerDeck.cpp
  src/trainer/TrainerTexts.cpp
)
target_sources(gui PRIVATE
  src/trainer/CDueChart.cpp
  src/trainer/CTrainerApp.cpp
  src/trainer/CTrainerDlg.cpp
)

tessalyne_add_practice_program(newword src/trainer/main.cpp)
