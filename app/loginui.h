#pragma once
#include "app/core/startup.h"

// The log-in dialog as the start-up asks for it.
class DialogLoginUi : public LoginUi {
public:
    bool askCredentials(const QString &prefillName, QString *name, QString *password) override;
};
