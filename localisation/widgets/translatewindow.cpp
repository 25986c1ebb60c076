#include "translatewindow.h"

#include "classkeys.h"
#include "localisation/langtext.h"

#include <QGuiApplication>
#include <QWidget>

namespace {

// Restores the cursor also when a step throws.
class BusyCursor {
public:
    BusyCursor() : m_on(qobject_cast<QGuiApplication *>(QCoreApplication::instance()) != nullptr) {
        if (m_on)
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~BusyCursor() {
        if (m_on)
            QGuiApplication::restoreOverrideCursor();
    }

private:
    bool m_on;
};

void translateComponent(QObject *component, const QString &owner, int index) {
    const QString key = LocalisationClassKey(component);
    if (key.isEmpty())
        return;
    QString caption, hint;
    LocalisationAccess::read(component, key, caption, hint);
    LangCaption(index, owner, key, component->objectName(), caption, hint);
    LocalisationAccess::write(component, key, caption, hint);
}

// Every object below the owner belongs to it, except what sits inside a frame: a frame owns its
// own components, which are looked up with the frame's name as owner, and is itself translated
// after them.
void translateOwned(QObject *parent, const QString &owner, int index) {
    const QObjectList children = parent->children();
    for (QObject *child : children) {
        const QString name = child->objectName();
        if (IsLocalisationFrame(child)) {
            translateOwned(child, name, index);
            if (!name.isEmpty())
                translateComponent(child, owner, index);
            continue;
        }
        if (!name.isEmpty())
            translateComponent(child, owner, index);
        translateOwned(child, owner, index);
    }
}

QString windowName(const QWidget *window) {
    if (!window->objectName().isEmpty())
        return window->objectName();
    QString name = QString::fromLatin1(window->metaObject()->className());
    if (name.startsWith(QLatin1Char('T')))
        name.remove(0, 1);
    return name;
}

}

void TranslateWindow(QWidget *window) { TranslateWindow(window, LanguageIndex()); }

void TranslateWindow(QWidget *window, int languageIndex) {
    if (!window)
        return;
    BusyCursor busy;
    const QString name = windowName(window);
    QString caption = window->windowTitle();
    QString hint = window->toolTip();
    LangCaption(languageIndex, name, QStringLiteral("TForm"), name, caption, hint);
    if (caption != window->windowTitle())
        window->setWindowTitle(caption);
    if (hint != window->toolTip())
        window->setToolTip(hint);
    translateOwned(window, name, languageIndex);
}
