#include "app/core/programentry.h"
#include "data/firebirdenv.h"
#include "data/memorytuning.h"
#include "data/inifile.h"
#include "data/configuration.h"
#include "data/prompt.h"
#include "formexception.h"
#include "loginui.h"
#include "mainform.h"
#include "platform/privatefolder.h"
#include "platform/singleinstance.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

#include <csignal>
#include <pthread.h>
#include <atomic>
#include <thread>

namespace {
// The end of the desktop session (or a kill) closes the window the orderly way, so the user is
// logged out and the settings are saved. The signals are blocked in every thread from the
// start, so that none lands inside the database engine, and one thread of ours waits for them.
sigset_t TerminationSignals() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGTERM);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGHUP);
    return set;
}

std::atomic<bool> g_terminationRequested{false};

// A termination signal ends the program in order at any point: an open dialog (the log-in, a
// question of the schema gate) is closed as if cancelled, and the main window, once shown, is
// closed, which saves the settings and logs the user out.
void CloseOnTerminationSignal(QWidget *window) {
    std::thread([window] {
        const sigset_t set = TerminationSignals();
        int signal = 0;
        if (sigwait(&set, &signal) != 0)
            return;
        g_terminationRequested = true;
        QMetaObject::invokeMethod(
            window,
            [window] {
                for (int i = 0; i < 16; ++i) {
                    QWidget *modal = QApplication::activeModalWidget();
                    if (!modal)
                        break;
                    modal->close();
                    if (QApplication::activeModalWidget() == modal)
                        break;
                }
                if (window->isVisible())
                    window->close();
            },
            Qt::QueuedConnection);
    }).detach();
}

// Messages and questions of the program as message boxes.
class DialogPrompt : public Prompt {
public:
    void message(const QString &text, Kind kind) override {
        QWidget *parent = QApplication::activeWindow();
        switch (kind) {
        case Kind::Error: QMessageBox::critical(parent, QStringLiteral("Zorva"), text); break;
        case Kind::Warning: QMessageBox::warning(parent, QStringLiteral("Zorva"), text); break;
        default: QMessageBox::information(parent, QStringLiteral("Zorva"), text); break;
        }
    }
    bool ask(const QString &text, Kind kind) override {
        QWidget *parent = QApplication::activeWindow();
        const auto answer = kind == Kind::Warning ? QMessageBox::warning(parent, QStringLiteral("Zorva"), text, QMessageBox::Yes | QMessageBox::Cancel)
                                                  : QMessageBox::question(parent, QStringLiteral("Zorva"), text, QMessageBox::Yes | QMessageBox::No);
        return answer == QMessageBox::Yes;
    }
};
}

int main(int argc, char **argv) {
    KeepMemoryForResultTables();
    const sigset_t signals = TerminationSignals();
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);
    ZorvaApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Zorva"));
    app.setApplicationDisplayName(QStringLiteral("Zorva"));
    app.setQuitOnLastWindowClosed(false);
    DialogPrompt dialogPrompt;
    setPrompt(&dialogPrompt);

    const QString programPath = QApplication::applicationFilePath();
    const StartupCommand command = ParseCommandLine(app.arguments().mid(1));

    // One running copy per user: a second one hands over and ends before it touches the database.
    const QString folder = PrivateFolder();
    LocalSingleInstance instance(folder);
    IniFile ini(Configuration::iniPathFor(programPath));
    if (!folder.isEmpty()) {
        const EntryDecision decision = DecideProgramEntry(instance, ini, command.parameter);
        if (decision != EntryDecision::Run)
            return decision == EntryDecision::HandOverFailed ? 1 : 0;
        instance.listen();
    }

    // The embedded engine of "setup_local_FB" (and of a removable disk) is used when it is there.
    const QString programFolder = QFileInfo(programPath).absolutePath();
    if (command.kind == StartupCommand::Kind::SetupLocal)
        WriteLocalFirebirdConf(programFolder);
    QString error;
    if (FirebirdEnvironment::prepare(LocalFirebirdRoot(programFolder), &error).isEmpty()) {
        QMessageBox::critical(nullptr, QStringLiteral("Zorva"), error);
        return 1;
    }

    Tmainform w;
    DialogLoginUi loginUi;
    CloseOnTerminationSignal(&w);
    if (!w.Start(programPath, command, loginUi, folder.isEmpty() ? nullptr : &instance))
        return 0;
    if (g_terminationRequested) {
        w.Shutdown();
        setPrompt(nullptr);
        return 0;
    }
    w.show();
    const int code = app.exec();
    w.Shutdown();
    setPrompt(nullptr);
    return code;
}
