#pragma once

#include "events/EventKinds.h"
#include "skin/UIWnd.h"

#include <QString>
#include <QStringList>
#include <initializer_list>
#include <string>

namespace corvane {

// The common base of the seven editor panels: a skinned child window whose
// controls come from its section of the UI file, plus the controls and
// contents its own code adds. Its form is read from the live widgets, so a
// record always reflects what the operator sees.
class EventPanel : public UIWnd {
    Q_OBJECT

public:
    explicit EventPanel(QWidget* parent = nullptr);
    ~EventPanel() override;

    // Builds the panel: the skinned window (section, images, controls), then
    // the panel's own controls, then the combo box contents, selections and
    // initial texts. A non-null parent makes the panel its child first.
    // False when the skin cannot be loaded or an own control cannot be made;
    // the panel is then unusable and should stay hidden.
    bool create(QWidget* parent = nullptr);

    // What the panel shows, typed by meaning, for the add command.
    virtual EventForm form() const = 0;

    // The window text of a control (a combo box's current item, a label's or
    // field's text); empty when there is no such control.
    std::string text(int controlId) const;
    // The zero-based selected item of a combo box; -1 when nothing is selected.
    int selection(int controlId) const;

signals:
    // Emitted when the panel's choices change which entries the main window's
    // event list should show (the week-clock panel's mode buttons); the main
    // window answers by refilling its list.
    void listRefillRequested();

protected:
    // Creation steps after the skin: controls the code creates itself (false
    // fails the creation), then the contents of the skinned controls.
    virtual bool createOwnControls() { return true; }
    virtual void fillControls() = 0;

    // Helpers over the controls found by id; a missing control is skipped.
    // Appends the decimal numbers first..last to every listed combo box.
    void appendNumbers(std::initializer_list<int> ids, int first, int last);
    void appendItems(int id, const QStringList& items);
    void clearItems(int id);
    void selectItem(int id, int index);
    QString controlText(int id) const;
    void setControlText(int id, const QString& text);
    bool isChecked(int id) const;
    void setChecked(int id, bool checked);
    void setControlsVisible(std::initializer_list<int> ids, bool visible);

    // The fixed DMX block (first, last, increment, level) with its defaults;
    // level 0 when levelId is 0 (the audio panel has no level box).
    void fillChannelBlock(int firstId, int lastId, int incrementId, int levelId);
    ChannelTexts channelTexts(int firstId, int lastId, int incrementId, int levelId) const;
    // The boxes below an output type, read both as texts and as chosen items.
    OutputTargetBoxes outputBoxes(int targetId, int secondId, int lastId, int levelId) const;
};

// "%2d": two characters, a leading blank below 10; wider numbers in full.
QString SpinDisplayText(int position);

} // namespace corvane
