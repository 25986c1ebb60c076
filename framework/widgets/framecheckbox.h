#pragma once
#include <QStringList>
#include <QWidget>

class QListWidget;
class QToolButton;

// Check list frame: lines with an id behind each, a changed flag, and buttons to check all,
// uncheck all and invert. Used for users and their groups.
class TFrameCheckBox : public QWidget {
    Q_OBJECT
public:
    explicit TFrameCheckBox(QWidget *parent = nullptr);

    // Clears everything and the changed flag, then one line per row of the statement (columns ID,
    // POPIS, HODNOTA), checked when HODNOTA is neither empty nor "0".
    bool Load(const QString &sql);

    int count() const;
    int id(int row) const;
    QString text(int row) const;
    bool isChecked(int row) const;
    void setChecked(int row, bool checked);
    QList<int> CheckedIds() const;
    bool Changed() const { return m_changed; }

    void OznacVse();
    void OdoznacVse();
    void ObratOznaceni();

    QListWidget *list() const { return m_list; }
    QToolButton *buttonOznacVse() const { return m_all; }
    QToolButton *buttonOdoznacVse() const { return m_none; }
    QToolButton *buttonObratOznaceni() const { return m_invert; }

private:
    void setAll(int mode);

    QListWidget *m_list = nullptr;
    QToolButton *m_all = nullptr, *m_none = nullptr, *m_invert = nullptr;
    QStringList m_ids;
    bool m_changed = false;
    bool m_loading = false;
};
