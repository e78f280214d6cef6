# The probe end-to-end tests drive the program with; linked into the program only when
# TESSALYNE_AUTOMATION is on (test builds), never into what a learner runs.
add_library(automation STATIC src/automation/AutomationProbe.cpp)
target_link_libraries(automation PUBLIC gui)
