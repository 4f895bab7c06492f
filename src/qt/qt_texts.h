#pragma once
// Qt's own texts (the buttons of dialogs and message boxes, the file and colour
// dialogs) in Simplified Chinese, like the program's.

namespace quorvel {

// Loads Qt's Chinese translations from Qt's translations folder and installs them
// in the running application (which owns them); false when they are not installed.
bool useChineseQtTexts();

}  // namespace quorvel
