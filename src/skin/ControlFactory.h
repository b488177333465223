#pragma once

#include "skin/ControlDescription.h"
#include "skin/UIWnd.h"

#include <QImage>
#include <vector>

namespace corvane {

// Turns a window's control descriptions into skinned controls: each becomes a
// child of the window with its id, rectangle, style behaviour, state images
// cut from the window's images and the properties of its section, and its
// user signals are routed to the window's onCommand.
class ControlFactory {
public:
    explicit ControlFactory(UIWnd& window) : window_(window) {}

    // The controls in description order, with the list entries the window
    // keeps: the combo box's entry carries its closed rectangle, every other
    // entry the control's geometry.
    std::vector<ControlEntry> createControls(const std::vector<ControlDescription>& descriptions);

    QWidget* createControl(const ControlDescription& description);

    // The pieces of the window's state images under rect, null where the
    // window has no image of that state.
    PerState<QImage> cutStateImages(const SkinRect& rect, StateImages which) const;

private:
    QWidget* createButton(const ButtonDescription& description);
    QWidget* createEdit(const EditDescription& description);
    QWidget* createComboBox(const ComboBoxDescription& description);
    QWidget* createStatic(const StaticDescription& description);
    QWidget* createSlider(const SliderDescription& description);
    void applyCommon(QWidget* control, const ControlCommon& common, const SkinRect& rect);

    UIWnd& window_;
    int radioGroup_ = 0;
};

} // namespace corvane
