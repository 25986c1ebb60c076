#pragma once
#include "tools/calculator.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QSpinBox;
class QToolButton;

// The desk calculator window: a thin face on Calculator.
class TForm_MKKALK : public QWidget {
    Q_OBJECT
public:
    explicit TForm_MKKALK(QWidget *parent = nullptr);

    Calculator &calculator() { return m_calc; }

    QLineEdit *Edit_PRIKLAD = nullptr;
    QSpinBox *JvSpinEdit_POCETMIST = nullptr;
    QSpinBox *JvSpinEdit_POCETDESMIST = nullptr;
    QLabel *Label_VYSLEDEK = nullptr;
    QPlainTextEdit *RichEdit_Historie = nullptr;
    QToolButton *SB_Vypocet = nullptr;
    QToolButton *SB_VYSLEDEKDOCLIP = nullptr;
    QToolButton *SB_PRIKLADDOCLIP = nullptr;
    QToolButton *SB_5DPH = nullptr;
    QToolButton *SB_19DPH = nullptr;
    QToolButton *SB_CLEAR = nullptr;
    QToolButton *SB_TOCLIP = nullptr;
    QToolButton *SB_PRINT = nullptr;
    QToolButton *SB_DOPRIKLADU = nullptr;

    void SB_VypocetClick() { calculate(Calculator::Clipboard::None); }
    void SB_VYSLEDEKDOCLIPClick() { calculate(Calculator::Clipboard::Result); }
    void SB_PRIKLADDOCLIPClick() { calculate(Calculator::Clipboard::HistoryLine); }
    void SB_5DPHClick() { insertFactor(Calculator::vat5()); }
    void SB_19DPHClick() { insertFactor(Calculator::vat19()); }
    void SB_CLEARClick();
    void SB_TOCLIPClick();
    void SB_PRINTClick();
    void SB_DOPRIKLADUClick();
    void NapovedaClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void calculate(Calculator::Clipboard clipboard);
    void insertFactor(const QString &factor);
    void takeLine();
    void showLine();

    Calculator m_calc;
};
