#pragma once

#include "panels/EventPanel.h"

#include <QComboBox>
#include <QDateEdit>
#include <QTimeEdit>
#include <QString>
#include <QStringList>

#include <memory>

namespace corvane::test {

// A QApplication on the offscreen platform and the default skin from the
// build tree, set up once for the whole test program.
void EnsureSkinnedApplication();

// A panel of the kind (0..6), created from the default skin and shown.
std::unique_ptr<EventPanel> CreatedPanel(int kind);

template <typename Panel>
std::unique_ptr<Panel> Created()
{
    EnsureSkinnedApplication();
    auto panel = std::make_unique<Panel>();
    if (!panel->create())
        return nullptr;
    panel->show();
    return panel;
}

QStringList Items(const QComboBox* combo);

// Operator input: a left click in the middle of the control; the item at
// index chosen with the keyboard (Home, then Down).
void Click(QWidget* control);
void ChooseIndex(QComboBox* combo, int index);
void ChooseText(QComboBox* combo, const QString& text);
// Sets a picker as an operator does with the arrow keys: each part of the
// date or time made current in turn and stepped up or down to its value.
void StepTo(QDateEdit* picker, QDate date);
void StepTo(QTimeEdit* picker, QTime time);
// Selects the field's whole text (Ctrl+A) and types over it.
void TypeInto(QWidget* field, const QString& text);

} // namespace corvane::test
