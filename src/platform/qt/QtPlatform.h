#pragma once
// Start-up of the Qt side of the platform: fonts, Japanese dialogs, message boxes.
class QApplication;

// The Windows font names the program asks for, mapped to the IPA fonts.
void InstallFontSubstitutions();
// Qt's own dialogs and buttons in Japanese.
void InstallJapaneseTranslations(QApplication& app);
// Message boxes shown as QMessageBox with the caption "Vkt".
void InstallGuiMessageBoxes();
// Message boxes written to stderr for runs that nobody watches (printing from the command line);
// a question is answered No.
void InstallConsoleMessageBoxes();
