#pragma once
#include "datamoduleib.h"
#include "mkdataset.h"

#include <QStringList>

// The one data-access object of the program. Every read fetches its whole result before it
// returns, so no cursor is ever left open; every write runs in a transaction of its own and
// returns the server's error text (empty on success) instead of raising.
class TSQLDATA : public TDataModuleIb {
    Q_OBJECT
public:
    explicit TSQLDATA(QObject *parent = nullptr);
    ~TSQLDATA() override;

    int SelectInt(const QString &sql);
    double SelectFloat(const QString &sql);
    QString SelectStr(const QString &sql);
    QString SelectColumn(const QString &sql, const QString &separator);
    QString SelectRow(const QString &sql, const QString &separator);
    // With an empty separator every line is in the comma encoding of TMKDATASET; otherwise the
    // fields are joined with the separator after any separator inside a value became a blank.
    void SelectList(const QString &sql, bool withHeader, QStringList &target, const QString &separator = {});
    void FillDataset(const QString &sql, TMKDATASET &dataset);
    void AppendDataset(const QString &sql, TMKDATASET &dataset);

    void ListMetadata(int kind, const QString &table, const QString &field, QStringList &target);
    QString FieldTypeName(const QString &table, const QString &field);
    int SchemaVersion();

    // Record locks in table MISTA. The mode is MAIN/net_mode of the configuration.
    int NetMode() const { return m_netMode; }
    void SetNetMode(int mode) { m_netMode = mode; }
    bool LockRecord(const QString &table, int id, int mode);
    bool LockRecordAsk(const QString &table, int id, int mode);
    void UnlockTable(const QString &table);
    bool ChangeLockMode(const QString &table, int id, int mode);
    QString UnlockAll();

    QString ExecScriptFile(const QString &path, const QString &header, bool checkCrc, const QString &key);

private:
    int m_netMode = 0;
};

// The process-wide reference; set by whoever creates the object (the main window, the command
// line, a test), null before.
extern TSQLDATA *SQLDATA;
