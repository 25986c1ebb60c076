#pragma once
#include <QString>

// Every message box and question of the program goes through this interface: the desktop
// program installs one that shows dialogs, the command line one that writes to stderr, and tests
// one that records the texts and answers from a script.
class Prompt {
public:
    enum class Kind { Plain, Error, Warning, Information, Confirmation };
    virtual ~Prompt() = default;
    virtual void message(const QString &text, Kind kind = Kind::Plain) = 0;
    // Yes/No question; true for Yes.
    virtual bool ask(const QString &text, Kind kind = Kind::Confirmation) = 0;
};

// The process-wide prompt; never null (a stderr prompt that answers No is there by default).
Prompt &prompt();
// Installs another prompt; the caller keeps ownership. Null restores the default.
void setPrompt(Prompt *p);

class StderrPrompt : public Prompt {
public:
    explicit StderrPrompt(bool answerYes = false) : m_answerYes(answerYes) {}
    void message(const QString &text, Kind kind) override;
    bool ask(const QString &text, Kind kind) override;

private:
    bool m_answerYes;
};
