# A small program that shows the skinned windows with their buttons and a scrolling panel, for
# looking at the toolkit and the artwork together (scripts/ui-demo.sh takes screenshots).
add_executable(uidemo tools/uidemo/main.cpp)
target_link_libraries(uidemo PRIVATE gui core)
set_target_properties(uidemo PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
