# The layering rule as a test: the core (platform, events, device, the text side
# of skin) and corvanectl include no Qt header and no header of the GUI side.
# Run with -DSOURCE_DIR=<repository>; fails naming every offending line.
set(core_globs platform/*.h platform/*.cpp events/*.h events/*.cpp events/*/*.h events/*/*.cpp
    schedule/*.h schedule/*.cpp device/*.h device/*.cpp
    cli/*.h cli/*.cpp)
file(READ ${SOURCE_DIR}/src/skin/core.cmake skin_core)
string(REGEX MATCHALL "[A-Za-z]+\\.(h|cpp)" skin_files "${skin_core}")
foreach(file IN LISTS skin_files)
    list(APPEND core_globs skin/${file})
endforeach()

set(gui_headers
    "Q[A-Za-z]*[>\"/]|app/|panels/|scheduleview/|skin/controls/|skin/UIWnd|skin/ControlFactory")
set(gui_include "#include[ \t]*[<\"](${gui_headers})")
set(offences "")
foreach(pattern IN LISTS core_globs)
    file(GLOB files ${SOURCE_DIR}/src/${pattern})
    foreach(file IN LISTS files)
        file(STRINGS ${file} lines REGEX "${gui_include}")
        foreach(line IN LISTS lines)
            string(APPEND offences "\n  ${file}: ${line}")
        endforeach()
    endforeach()
endforeach()
if(offences)
    message(FATAL_ERROR "Core code includes GUI headers:${offences}")
endif()
message(STATUS "The core includes no GUI header.")
