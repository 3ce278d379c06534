// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

// The toolkit's own texts that the program shows (the file dialog, the
// overwrite question and its buttons, the print dialog) in Estonian: Qt as
// Debian ships it has no Estonian translation. The compiled file is
// qt_et.qm, installed in share/vorandel/translations and, in the build tree,
// in translations/ beside the program.

// Loads qt_et.qm from `directory`, or from those places when it is empty, and
// installs it in the application. Returns the file's directory, or an empty
// string when it was not found (the dialogs then stay in English).
QString installToolkitTranslation(const QString &directory = {});
