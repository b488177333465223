# The Qt side of the skin: UIWnd, the control factory and the skinned controls.
file(GLOB skinui_sources CONFIGURE_DEPENDS
    ${CMAKE_CURRENT_SOURCE_DIR}/UIWnd.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/UIWnd.h
    ${CMAKE_CURRENT_SOURCE_DIR}/ControlFactory.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/ControlFactory.h
    ${CMAKE_CURRENT_SOURCE_DIR}/controls/*.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/controls/*.h)
add_library(corvane_skinui STATIC ${skinui_sources})
target_include_directories(corvane_skinui PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(corvane_skinui PUBLIC corvane_skintext Qt6::Widgets)
