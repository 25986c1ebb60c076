#pragma once
#include <QString>

// Starting the program when the user logs in to the desktop.
class Autostart {
public:
    virtual ~Autostart() = default;
    virtual bool enable(const QString &programPath) = 0;
    virtual bool disable() = 0;
    virtual bool isEnabled() const = 0;
};

// An entry "zorva.desktop" in the XDG autostart folder ($XDG_CONFIG_HOME/autostart).
class XdgAutostart : public Autostart {
public:
    // configHome overrides $XDG_CONFIG_HOME (tests).
    explicit XdgAutostart(const QString &configHome = {});
    bool enable(const QString &programPath) override;
    bool disable() override;
    bool isEnabled() const override;
    QString entryPath() const { return m_entry; }

private:
    QString m_entry;
};

// One argument of the Exec key of a desktop entry: quoted when it holds a reserved character,
// with '"', '`', '$' and '\' escaped inside the quotes.
QString DesktopExecArgument(const QString &argument);
// The user's configuration and data folders of the XDG base directories.
QString XdgConfigHome();
QString XdgDataHome();
