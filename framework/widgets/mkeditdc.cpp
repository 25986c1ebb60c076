#include "mkeditdc.h"

#include "data/prompt.h"
#include "formmkeditdat.h"
#include "framework/inputrules.h"

#include <QApplication>
#include <QKeyEvent>
#include <QStyle>
#include <QToolButton>

namespace {
constexpr int ButtonWidth = 15;
constexpr int ButtonHeight = 17;
}

TMKEDITDC::TMKEDITDC(QWidget *parent) : TMKEDITDC(0, parent) {}

TMKEDITDC::TMKEDITDC(int typ, QWidget *parent) : QLineEdit(parent) {
    m_button = new QToolButton(this);
    m_button->setText(QStringLiteral("*"));
    m_button->setToolTip(QStringLiteral("Zadávání (F4)"));
    m_button->setCursor(Qt::ArrowCursor);
    m_button->setFocusPolicy(Qt::NoFocus);
    m_button->setFixedSize(ButtonWidth, ButtonHeight);
    m_button->hide();
    connect(m_button, &QToolButton::clicked, this, &TMKEDITDC::ButtonClick);
    // A fast typist leaves 5.3.2004 half-filled in the mask; once the input is left it shows the
    // full form, the value unchanged.
    connect(this, &QLineEdit::editingFinished, this, [this] {
        if (m_picking)
            return;
        const QString widened = MkEditWiden(text(), m_typ);
        if (widened != text())
            setText(widened);
    });
    setTyp(typ);
}

void TMKEDITDC::setTyp(int typ) {
    m_typ = typ;
    const QString mask = MkEditInputMask(typ);
    setInputMask(mask);
    if (MkEditMaxLength(typ) > 0)
        setMaxLength(MkEditMaxLength(typ));
    const bool withButton = MkEditHasButton(typ);
    m_button->setVisible(withButton);
    // The text ends before the button (its width + 1).
    setTextMargins(0, 0, withButton ? ButtonWidth + 1 : 0, 0);
    placeButton();
    updateGeometry();
}

bool TMKEDITDC::IsValid() const { return m_typ == 0 || MkEditValid(text(), m_typ); }
bool TMKEDITDC::IsEmptyValue() const { return m_typ == 0 ? text().trimmed().isEmpty() : MkEditEmpty(text(), m_typ); }
double TMKEDITDC::Value() const { return MkEditValue(text(), m_typ); }

void TMKEDITDC::ButtonClick() {
    if (!MkEditHasButton(m_typ))
        return;
    if (!IsValid()) {
        prompt().message(QStringLiteral("Zadaný údaj není platný !"), Prompt::Kind::Error);
        return;
    }
    QString value = text();
    // The picker takes the focus; the text stays exactly as it is until the picker's answer.
    m_picking = true;
    const bool picked = TFORMMKEDITDAT::Pick(this, m_typ, value);
    m_picking = false;
    if (picked)
        setText(value);
    setFocus();
}

int TMKEDITDC::fontBasedHeight() const {
    const int systemHeight = QFontMetrics(QApplication::font()).height();
    const int ownHeight = fontMetrics().height();
    constexpr int border = 1;
    return qMin(systemHeight, ownHeight) / 4 + ownHeight + 4 * border + 2;
}

QSize TMKEDITDC::minimumSizeHint() const {
    QSize s = QLineEdit::minimumSizeHint();
    s.setHeight(qMax(s.height(), qMax(fontBasedHeight(), ButtonHeight + 2)));
    return s;
}

QSize TMKEDITDC::sizeHint() const {
    QSize s = QLineEdit::sizeHint();
    if (m_typ > 0)
        s.setWidth(fontMetrics().horizontalAdvance(QString(MkEditMaxLength(m_typ) + 2, QLatin1Char('0'))) + ButtonWidth + 12);
    s.setHeight(qMax(s.height(), minimumSizeHint().height()));
    return s;
}

void TMKEDITDC::resizeEvent(QResizeEvent *event) {
    QLineEdit::resizeEvent(event);
    placeButton();
}

void TMKEDITDC::placeButton() {
    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    m_button->move(width() - frame - ButtonWidth, qMax(0, (height() - ButtonHeight) / 2));
}

void TMKEDITDC::keyPressEvent(QKeyEvent *event) {
    if (MkEditHasButton(m_typ)
        && (event->key() == Qt::Key_F4 || (event->key() == Qt::Key_Down && (event->modifiers() & Qt::AltModifier)))) {
        ButtonClick();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TMKEDITDC::mousePressEvent(QMouseEvent *event) {
    QLineEdit::mousePressEvent(event);
    // A click anywhere into an empty mask starts typing at its first place, not where the click
    // happened to land.
    if (m_typ > 0 && IsEmptyValue() && !hasSelectedText())
        setCursorPosition(0);
}

void TMKEDITDC::changeEvent(QEvent *event) {
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        updateGeometry();
}
