# The Qt side of the skin: UIWnd, the control factory and the skinned controls.
add_library(corvane_skinui STATIC
    ControlFactory.cpp
    UIWnd.cpp
    controls/CaptionLayout.cpp
    controls/Drawing.cpp
    controls/SkinFont.cpp
    controls/SpinButton.cpp
    controls/UIButton.cpp
    controls/UIComboBox.cpp
    controls/UIEdit.cpp
    controls/UISlider.cpp
    controls/UIStatic.cpp
)
target_link_libraries(corvane_skinui PUBLIC corvane_skintext Qt6::Widgets)
