// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The overview's tab bar as a screen reader sees it. The toolkit's interface
// calls the current page tab focused whatever holds the keyboard, so a screen
// reader would find two focused objects whenever a chart or the table has it.
// This one does not: a page tab is focused only while the tab bar itself is.
class QTabBar;

namespace yearview {

// Hands the tab bar this interface (and installs the factory on the first
// call). Only a bar marked here is served; every other tab bar of the process
// keeps the toolkit's interface.
void markAccessibleTabBar(QTabBar *bar);

}  // namespace yearview
