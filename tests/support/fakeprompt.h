#pragma once
#include "data/prompt.h"

#include <QList>
#include <QStringList>

// Records every message and question and answers questions from a queue (No when it is empty).
// Installs itself for its lifetime.
class FakePrompt : public Prompt {
public:
    FakePrompt() { setPrompt(this); }
    ~FakePrompt() override { setPrompt(nullptr); }
    void message(const QString &text, Kind) override { messages << text; }
    bool ask(const QString &text, Kind) override {
        questions << text;
        return answers.isEmpty() ? false : answers.takeFirst();
    }
    QStringList messages;
    QStringList questions;
    QList<bool> answers;
};
