#include "panels/RelayPanel.h"

namespace corvane {

void RelayPanel::fillControls() {
    appendNumbers({1105}, 1, 512);
    selectItem(1105, 0);
    appendNumbers({1115, 1116}, 0, 255);
    selectItem(1115, 0);
    selectItem(1116, 255);
    appendNumbers({1117}, 1, 8);
    selectItem(1117, 0);
    appendItems(1118, {"On", "Off"});
    selectItem(1118, 1);
}

} // namespace corvane
