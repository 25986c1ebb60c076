#pragma once
#include <QString>

class QObject;

// How the components of a window are found in the window table. Every key of the table names a
// class key, one of a fixed set of words; this is the one place that says which Qt objects
// each word stands for, and how their caption and hint are read and written. The words are
// tested in a fixed order and the first that matches decides:
//
//   TCustomEdit       QLineEdit, QTextEdit, QPlainTextEdit, QAbstractSpinBox   hint only
//   TMenuItem         QMenu (title), QAction placed in a QMenu (text)          hint = status tip
//   TSpeedButton      QToolButton outside the navigation bar                  text, tool tip
//   TJvLookOutPage    a page of a QToolBox (the navigation bar)               item text, item tool tip
//   TJvLookOutButton  a button inside a QToolBox page                         text, tool tip
//   TLabel            QLabel                                                  text, tool tip
//   TGroupBox         QGroupBox, unless it holds nothing but radio buttons    title, tool tip
//   TButton           QPushButton                                             text, tool tip
//   TAction           any other QAction                                       hint = tool tip and status tip
//   TTabbedNotebook   QTabWidget: the page texts, each followed by ";"        page texts, tool tip
//   TFrame            a widget whose class, or a base class, is named TFrame… hint only; its own
//                     components are looked up with the frame's name as owner
//
// Everything else (radio groups, check boxes, combo boxes, panels, grids) keeps its texts.
// Components are known by their objectName; an unnamed one is never looked up.

// The class key of a component, or an empty text when it is not translated.
QString LocalisationClassKey(QObject *component);
bool IsLocalisationFrame(const QObject *component);

namespace LocalisationAccess {
// Caption and hint of a component under its class key (an empty caption for kinds that have
// none).
void read(QObject *component, const QString &classKey, QString &caption, QString &hint);
// Writes back what changed.
void write(QObject *component, const QString &classKey, const QString &caption, const QString &hint);
}
