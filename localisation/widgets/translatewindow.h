#pragma once

class QWidget;

// Translates a window now through the window table, whatever the language (Czech fields
// overwrite the design texts where they differ). The window is found under its objectName, or,
// when that is empty, under its class name without the leading "T" (Tmainform → mainform).
void TranslateWindow(QWidget *window);
void TranslateWindow(QWidget *window, int languageIndex);
