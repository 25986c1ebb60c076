#include "prompt.h"

#include <cstdio>

namespace {
StderrPrompt g_default;
Prompt *g_current = nullptr;
}

Prompt &prompt() { return g_current ? *g_current : g_default; }

void setPrompt(Prompt *p) { g_current = p; }

void StderrPrompt::message(const QString &text, Kind) {
    std::fprintf(stderr, "%s\n", text.toUtf8().constData());
}

bool StderrPrompt::ask(const QString &text, Kind) {
    std::fprintf(stderr, "%s [%s]\n", text.toUtf8().constData(), m_answerYes ? "Yes" : "No");
    return m_answerYes;
}
