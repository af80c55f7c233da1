#pragma once
// Re-captions both windows in one interface language.

class Form1;
class Form2;

namespace texts {
// mainWindow may be null when no main window exists; only the options window changes then.
void applyInterfaceLanguage(bool italian, Form2& options, Form1* mainWindow);
} // namespace texts
