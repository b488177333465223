# The text side of the skin: UI file reader, skin paths, Resource.h lookups,
# window keys and control descriptions. No Qt.
add_library(corvane_skintext STATIC
    ${CMAKE_CURRENT_LIST_DIR}/ColorRef.h
    ${CMAKE_CURRENT_LIST_DIR}/ControlDescription.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ControlDescription.h
    ${CMAKE_CURRENT_LIST_DIR}/ControlReader.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ControlReader.h
    ${CMAKE_CURRENT_LIST_DIR}/IniDocument.cpp
    ${CMAKE_CURRENT_LIST_DIR}/IniDocument.h
    ${CMAKE_CURRENT_LIST_DIR}/LogFont.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LogFont.h
    ${CMAKE_CURRENT_LIST_DIR}/ResourceLookup.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ResourceLookup.h
    ${CMAKE_CURRENT_LIST_DIR}/ResourceText.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ResourceText.h
    ${CMAKE_CURRENT_LIST_DIR}/SkinFiles.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SkinFiles.h
    ${CMAKE_CURRENT_LIST_DIR}/SkinPaths.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SkinPaths.h
    ${CMAKE_CURRENT_LIST_DIR}/SkinRect.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SkinRect.h
    ${CMAKE_CURRENT_LIST_DIR}/StampedFileCache.h
    ${CMAKE_CURRENT_LIST_DIR}/TextRules.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TextRules.h
    ${CMAKE_CURRENT_LIST_DIR}/UiFile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/UiFile.h
    ${CMAKE_CURRENT_LIST_DIR}/WindowSkin.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WindowSkin.h
    ${CMAKE_CURRENT_LIST_DIR}/WindowsVersion.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WindowsVersion.h
)
target_link_libraries(corvane_skintext PUBLIC corvane_platform)
