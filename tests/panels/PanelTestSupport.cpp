#include "PanelTestSupport.h"

#include "panels/PanelFactory.h"
#include "skin/SkinPaths.h"
#include "skin/controls/UIEdit.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>

namespace corvane::test {

void EnsureSkinnedApplication()
{
    static int argc = 1;
    static char name[] = "panels_test";
    static char* argv[] = {name, nullptr};
    static QApplication* app = nullptr;
    if (app)
        return;
    app = new QApplication(argc, argv);
    ASSERT_EQ(SetUIPath(CORVANE_TEST_SKIN_FILE), 0) << CORVANE_TEST_SKIN_FILE;
}

std::unique_ptr<EventPanel> CreatedPanel(int kind)
{
    EnsureSkinnedApplication();
    auto panel = MakePanel(kind);
    if (!panel || !panel->create())
        return nullptr;
    panel->show();
    return panel;
}

QStringList Items(const QComboBox* combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items.append(combo->itemText(i));
    return items;
}

void Click(QWidget* control)
{
    QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, control->rect().center());
}

void ChooseIndex(QComboBox* combo, int index)
{
    QTest::keyClick(combo, Qt::Key_Home);
    for (int i = 0; i < index; ++i)
        QTest::keyClick(combo, Qt::Key_Down);
}

void ChooseText(QComboBox* combo, const QString& text)
{
    const int index = combo->findText(text);
    ASSERT_GE(index, 0) << text.toStdString();
    ChooseIndex(combo, index);
}

namespace {

void StepSection(QDateTimeEdit* picker, QDateTimeEdit::Section section, int from, int to)
{
    picker->setFocus();
    picker->setCurrentSection(section);
    const Qt::Key key = to > from ? Qt::Key_Up : Qt::Key_Down;
    for (int i = 0; i < std::abs(to - from); ++i)
        QTest::keyClick(picker, key);
}

} // namespace

void StepTo(QDateEdit* picker, QDate date)
{
    StepSection(picker, QDateTimeEdit::YearSection, picker->date().year(), date.year());
    StepSection(picker, QDateTimeEdit::MonthSection, picker->date().month(), date.month());
    StepSection(picker, QDateTimeEdit::DaySection, picker->date().day(), date.day());
}

void StepTo(QTimeEdit* picker, QTime time)
{
    StepSection(picker, QDateTimeEdit::HourSection, picker->time().hour(), time.hour());
    StepSection(picker, QDateTimeEdit::MinuteSection, picker->time().minute(), time.minute());
    StepSection(picker, QDateTimeEdit::SecondSection, picker->time().second(), time.second());
}

void TypeInto(QWidget* field, const QString& text)
{
    if (auto* edit = qobject_cast<UIEdit*>(field))
        field = edit->editor();
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field, text);
}

} // namespace corvane::test
