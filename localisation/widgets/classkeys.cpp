#include "classkeys.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTextEdit>
#include <QToolBox>
#include <QToolButton>

namespace {

QToolBox *enclosingToolBox(const QObject *o) {
    for (QObject *p = o->parent(); p; p = p->parent())
        if (auto *box = qobject_cast<QToolBox *>(p))
            return box;
    return nullptr;
}

// A group box whose only widgets are radio buttons is a radio group, which keeps its texts.
bool isRadioGroup(const QGroupBox *box) {
    bool anyRadio = false;
    for (const QObject *child : box->children()) {
        if (!child->isWidgetType())
            continue;
        if (!qobject_cast<const QRadioButton *>(child))
            return false;
        anyRadio = true;
    }
    return anyRadio;
}

bool inMenu(const QAction *action) {
    for (const QObject *o : action->associatedObjects())
        if (qobject_cast<const QMenu *>(o))
            return true;
    return false;
}

bool isEdit(QObject *o) {
    return qobject_cast<QLineEdit *>(o) || qobject_cast<QTextEdit *>(o) || qobject_cast<QPlainTextEdit *>(o)
        || qobject_cast<QAbstractSpinBox *>(o);
}

struct Rule {
    const char *key;
    bool (*matches)(QObject *);
};

// The order is the order of the tests: the first match decides.
const Rule kRules[] = {
    {"TCustomEdit", isEdit},
    {"TMenuItem",
     [](QObject *o) {
         if (qobject_cast<QMenu *>(o))
             return true;
         auto *a = qobject_cast<QAction *>(o);
         return a && inMenu(a);
     }},
    {"TSpeedButton", [](QObject *o) { return qobject_cast<QToolButton *>(o) && !enclosingToolBox(o); }},
    {"TJvLookOutPage",
     [](QObject *o) {
         auto *w = qobject_cast<QWidget *>(o);
         QToolBox *box = w ? enclosingToolBox(w) : nullptr;
         return box && box->indexOf(w) >= 0;
     }},
    {"TJvLookOutButton", [](QObject *o) { return qobject_cast<QAbstractButton *>(o) && enclosingToolBox(o); }},
    {"TLabel", [](QObject *o) { return qobject_cast<QLabel *>(o) != nullptr; }},
    {"TGroupBox",
     [](QObject *o) {
         auto *g = qobject_cast<QGroupBox *>(o);
         return g && !isRadioGroup(g);
     }},
    {"TButton", [](QObject *o) { return qobject_cast<QPushButton *>(o) != nullptr; }},
    {"TAction", [](QObject *o) { return qobject_cast<QAction *>(o) != nullptr; }},
    {"TTabbedNotebook", [](QObject *o) { return qobject_cast<QTabWidget *>(o) != nullptr; }},
    {"TFrame", [](QObject *o) { return IsLocalisationFrame(o); }},
};

QString notebookCaption(const QTabWidget *tabs) {
    QString caption;
    for (int i = 0; i < tabs->count(); ++i)
        caption += tabs->tabText(i) + QLatin1Char(';');
    return caption;
}

// The caption cut at ";": the pieces go to pages 0, 1, 2 … in order; further pages keep
// theirs.
void setNotebookCaption(QTabWidget *tabs, const QString &caption) {
    QStringView rest(caption);
    for (int page = 0; !rest.isEmpty() && page < tabs->count(); ++page) {
        const qsizetype cut = rest.indexOf(QLatin1Char(';'));
        const QString piece = (cut < 0 ? rest : rest.left(cut)).toString();
        rest = cut < 0 ? QStringView() : rest.mid(cut + 1);
        if (tabs->tabText(page) != piece)
            tabs->setTabText(page, piece);
    }
}

template <class Setter>
void setIfChanged(const QString &current, const QString &wanted, Setter set) {
    if (current != wanted)
        set(wanted);
}

}

bool IsLocalisationFrame(const QObject *component) {
    if (!component->isWidgetType())
        return false;
    for (const QMetaObject *m = component->metaObject(); m; m = m->superClass())
        if (QLatin1String(m->className()).startsWith(QLatin1String("TFrame")))
            return true;
    return false;
}

QString LocalisationClassKey(QObject *component) {
    for (const Rule &rule : kRules)
        if (rule.matches(component))
            return QLatin1String(rule.key);
    return {};
}

namespace LocalisationAccess {

void read(QObject *o, const QString &key, QString &caption, QString &hint) {
    caption.clear();
    hint.clear();
    if (key == QLatin1String("TMenuItem")) {
        if (auto *menu = qobject_cast<QMenu *>(o)) {
            caption = menu->title();
            hint = menu->menuAction()->statusTip();
        } else if (auto *a = qobject_cast<QAction *>(o)) {
            caption = a->text();
            hint = a->statusTip();
        }
    } else if (key == QLatin1String("TAction")) {
        auto *a = static_cast<QAction *>(o);
        caption = a->text();
        hint = a->statusTip();
    } else if (key == QLatin1String("TJvLookOutPage")) {
        auto *w = static_cast<QWidget *>(o);
        QToolBox *box = enclosingToolBox(w);
        caption = box->itemText(box->indexOf(w));
        hint = box->itemToolTip(box->indexOf(w));
    } else if (key == QLatin1String("TTabbedNotebook")) {
        auto *tabs = static_cast<QTabWidget *>(o);
        caption = notebookCaption(tabs);
        hint = tabs->toolTip();
    } else if (auto *w = qobject_cast<QWidget *>(o)) {
        hint = w->toolTip();
        if (auto *b = qobject_cast<QAbstractButton *>(o))
            caption = b->text();
        else if (auto *l = qobject_cast<QLabel *>(o))
            caption = l->text();
        else if (auto *g = qobject_cast<QGroupBox *>(o))
            caption = g->title();
    }
}

void write(QObject *o, const QString &key, const QString &caption, const QString &hint) {
    QString oldCaption, oldHint;
    read(o, key, oldCaption, oldHint);
    if (key == QLatin1String("TCustomEdit") || key == QLatin1String("TFrame")) {
        auto *w = static_cast<QWidget *>(o);
        setIfChanged(oldHint, hint, [&](const QString &t) { w->setToolTip(t); });
    } else if (key == QLatin1String("TMenuItem")) {
        QAction *a = qobject_cast<QAction *>(o);
        if (auto *menu = qobject_cast<QMenu *>(o)) {
            setIfChanged(oldCaption, caption, [&](const QString &t) { menu->setTitle(t); });
            a = menu->menuAction();
        } else {
            setIfChanged(oldCaption, caption, [&](const QString &t) { a->setText(t); });
        }
        setIfChanged(oldHint, hint, [&](const QString &t) { a->setStatusTip(t); });
    } else if (key == QLatin1String("TAction")) {
        auto *a = static_cast<QAction *>(o);
        setIfChanged(oldCaption, caption, [&](const QString &t) { a->setText(t); });
        setIfChanged(oldHint, hint, [&](const QString &t) {
            a->setStatusTip(t);
            a->setToolTip(t);
        });
    } else if (key == QLatin1String("TJvLookOutPage")) {
        auto *w = static_cast<QWidget *>(o);
        QToolBox *box = enclosingToolBox(w);
        const int index = box->indexOf(w);
        setIfChanged(oldCaption, caption, [&](const QString &t) { box->setItemText(index, t); });
        setIfChanged(oldHint, hint, [&](const QString &t) { box->setItemToolTip(index, t); });
    } else if (key == QLatin1String("TTabbedNotebook")) {
        auto *tabs = static_cast<QTabWidget *>(o);
        setNotebookCaption(tabs, caption);
        setIfChanged(oldHint, hint, [&](const QString &t) { tabs->setToolTip(t); });
    } else if (auto *w = qobject_cast<QWidget *>(o)) {
        setIfChanged(oldHint, hint, [&](const QString &t) { w->setToolTip(t); });
        if (auto *b = qobject_cast<QAbstractButton *>(o))
            setIfChanged(oldCaption, caption, [&](const QString &t) { b->setText(t); });
        else if (auto *l = qobject_cast<QLabel *>(o))
            setIfChanged(oldCaption, caption, [&](const QString &t) { l->setText(t); });
        else if (auto *g = qobject_cast<QGroupBox *>(o))
            setIfChanged(oldCaption, caption, [&](const QString &t) { g->setTitle(t); });
    }
}

}
