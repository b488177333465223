# Placeholder until the area has sources.
add_library(corvane_skinui INTERFACE)
target_include_directories(corvane_skinui INTERFACE ${PROJECT_SOURCE_DIR}/src)
