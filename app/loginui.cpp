#include "loginui.h"

#include "security/widgets/passworddlg.h"

bool DialogLoginUi::askCredentials(const QString &prefillName, QString *name, QString *password) {
    TPasswordDlg dialog(nullptr);
    dialog.FinishCreation();
    dialog.setName(prefillName);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    *name = dialog.name();
    *password = dialog.password();
    return true;
}
