#pragma once
#include "localisation/langtext.h"
#include "localisation/widgets/translatewindow.h"

#include <QShowEvent>
#include <utility>

// Base of the program's own translatable windows: TFormLokalizace<QDialog>,
// TFormLokalizace<QMainWindow>, ...
//
// A base-class constructor runs before the derived window has built its widgets, so the
// translation cannot happen there. It happens in FinishCreation(), which CreateLocalised()
// calls as soon as the window is fully constructed; a window constructed some other way is
// translated when it is first shown, before anything is painted.
template <class Base>
class TFormLokalizace : public Base {
public:
    using Base::Base;

    // Translates now, whatever the language (the main window after each log-in and change of
    // language).
    void TranslateWindow() { ::TranslateWindow(this); }

    // Translates once when the language is not Czech; later calls do nothing.
    void FinishCreation() {
        if (m_created)
            return;
        m_created = true;
        if (LanguageIndex() > 0)
            TranslateWindow();
    }

protected:
    void showEvent(QShowEvent *event) override {
        FinishCreation();
        Base::showEvent(event);
    }

private:
    bool m_created = false;
};

// Creates a translatable window and translates it before the caller sees it.
template <class Window, class... Args>
Window *CreateLocalised(Args &&...args) {
    auto *window = new Window(std::forward<Args>(args)...);
    window->FinishCreation();
    return window;
}
