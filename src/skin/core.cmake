# Placeholder until the area has sources.
add_library(corvane_skintext INTERFACE)
target_include_directories(corvane_skintext INTERFACE ${PROJECT_SOURCE_DIR}/src)
