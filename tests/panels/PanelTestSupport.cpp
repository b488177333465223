#include "PanelTestSupport.h"

#include "panels/PanelFactory.h"
#include "skin/SkinPaths.h"
#include "skin/controls/SpinButton.h"
#include "skin/controls/UIEdit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QTest>
#include <QTimeEdit>

#include <gtest/gtest.h>

#include <cstdlib>

namespace corvane::test {

namespace {

void EnsureSkinnedApplication()
{
    static int argc = 1;
    static char name[] = "panels_test";
    static char* argv[] = {name, nullptr};
    if (qApp)
        return;
    new QApplication(argc, argv);
    ASSERT_EQ(SetUIPath(CORVANE_TEST_SKIN_FILE), 0) << CORVANE_TEST_SKIN_FILE;
}

void Press(QWidget* widget, Qt::Key key, int times)
{
    for (int i = 0; i < times; ++i)
        QTest::keyClick(widget, key);
}

void StepSection(QDateTimeEdit* picker, QDateTimeEdit::Section section, int from, int to)
{
    picker->setFocus();
    picker->setCurrentSection(section);
    Press(picker, to > from ? Qt::Key_Up : Qt::Key_Down, std::abs(to - from));
}

void StepDate(QDateEdit* picker, QDate date)
{
    StepSection(picker, QDateTimeEdit::YearSection, picker->date().year(), date.year());
    StepSection(picker, QDateTimeEdit::MonthSection, picker->date().month(), date.month());
    StepSection(picker, QDateTimeEdit::DaySection, picker->date().day(), date.day());
    ASSERT_EQ(picker->date(), date);
}

void StepTime(QTimeEdit* picker, QTime time)
{
    StepSection(picker, QDateTimeEdit::HourSection, picker->time().hour(), time.hour());
    StepSection(picker, QDateTimeEdit::MinuteSection, picker->time().minute(), time.minute());
    StepSection(picker, QDateTimeEdit::SecondSection, picker->time().second(), time.second());
    ASSERT_EQ(picker->time(), time);  // to the millisecond: the pickers hold whole seconds
}

void Choose(QComboBox* combo, const QString& text)
{
    const int index = combo->findText(text);
    ASSERT_GE(index, 0) << text.toStdString();
    QTest::keyClick(combo, Qt::Key_Home);
    Press(combo, Qt::Key_Down, index);
    ASSERT_EQ(combo->currentIndex(), index) << text.toStdString();
}

void TypeOver(QWidget* field, const QString& text)
{
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field, text);
}

} // namespace

std::unique_ptr<EventPanel> CreatedPanel(int kind)
{
    EnsureSkinnedApplication();
    auto panel = MakePanel(kind);
    if (!panel || !panel->create())
        return nullptr;
    panel->show();
    return panel;
}

QStringList Items(const EventPanel& panel, int comboId)
{
    QStringList items;
    if (const auto* combo = panel.controlAs<QComboBox>(comboId))
        for (int i = 0; i < combo->count(); ++i)
            items.append(combo->itemText(i));
    return items;
}

bool Shown(const EventPanel& panel, int id)
{
    return panel.control(id) && panel.control(id)->isVisibleTo(&panel);
}

void Operate(EventPanel& panel, int id, const QString& input)
{
    QWidget* control = panel.control(id);
    ASSERT_NE(control, nullptr) << id;
    if (auto* combo = qobject_cast<QComboBox*>(control))
        Choose(combo, input);
    else if (auto* edit = qobject_cast<UIEdit*>(control))
        TypeOver(edit->editor(), input);
    else if (auto* spin = qobject_cast<SpinButton*>(control))
        Press(spin, Qt::Key_Up, input.toInt());
    else if (auto* date = qobject_cast<QDateEdit*>(control))
        StepDate(date, QDate::fromString(input, Qt::ISODate));
    else if (auto* time = qobject_cast<QTimeEdit*>(control))
        StepTime(time, QTime::fromString(input, Qt::ISODate));
    else if (qobject_cast<QAbstractButton*>(control))
        QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, control->rect().center());
    else
        FAIL() << "no operator input for control " << id;
}

} // namespace corvane::test
