#pragma once

#include "panels/EventPanel.h"

#include <QStringList>

#include <memory>

namespace corvane::test {

// A panel of the kind (0..6), created from the default skin of the build tree
// on the offscreen platform, and shown.
std::unique_ptr<EventPanel> CreatedPanel(int kind);

QStringList Items(const EventPanel& panel, int comboId);
bool Shown(const EventPanel& panel, int id);

// Operator input on control id, by its kind: a click on a button; the item
// with this text chosen with the keys in a combo box; the text typed over an
// edit field's; a spin button pressed up that many times; a date (yyyy-MM-dd)
// or time (HH:mm:ss) picker stepped with the arrow keys part by part.
void Operate(EventPanel& panel, int id, const QString& input = {});

} // namespace corvane::test
