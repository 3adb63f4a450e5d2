// ado::Connection: opens a connection string on a provider (sqlite embedded, odbc
// servers), runs statements, opens recordsets, keeps Errors, time-out, default
// database, isolation level, transactions and schema lists. The suite's code sees
// only Connection, Recordset, Field and Errors, never which provider runs.
#pragma once
#include <QString>
#include <memory>
#include <vector>
#include "ado/errors.h"
#include "base/variant.h"

namespace ado {

class Provider;
class Recordset;
class RecordsetImpl;

enum ObjectStateEnum { adStateClosed = 0, adStateOpen = 1 };
enum CursorLocationEnum { adUseServer = 2, adUseClient = 3 };
enum SchemaEnum { adSchemaColumns = 4, adSchemaTables = 20 };
enum IsolationLevelEnum { adXactReadUncommitted = 256, adXactReadCommitted = 4096 };
enum CommandTypeEnum { adCmdText = 1, adCmdTable = 2, adCmdUnknown = 8, adCmdTableDirect = 512, adExecuteNoRecords = 128 };

class Connection {
public:
    Connection();
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Opens `connectionString` (or the stored ConnectionString when empty). Throws
    // base::Error (3705 when already open; provider failures with Errors filled).
    void Open(const QString& connectionString = QString(), const QString& user = QString(),
              const QString& password = QString(), long options = -1);
    void Close();                              // 3704 when already closed
    long State() const;                        // adStateClosed / adStateOpen

    // Runs a statement (or a batch). Returns the rows when it produced a result set
    // (a forward-only recordset), otherwise a closed one.
    Recordset Execute(const QString& sql, long* recordsAffected = nullptr, long options = -1);

    QString ConnectionString() const { return connectionString_; }
    void setConnectionString(const QString& s) { connectionString_ = s; }
    long CursorLocation() const { return cursorLocation_; }
    void setCursorLocation(long v) { cursorLocation_ = v; }
    long CommandTimeout() const { return commandTimeout_; }
    void setCommandTimeout(long seconds) { commandTimeout_ = seconds; }
    long ConnectionTimeout() const { return connectionTimeout_; }
    void setConnectionTimeout(long seconds) { connectionTimeout_ = seconds; }
    QString DefaultDatabase() const;
    void setDefaultDatabase(const QString& db);
    long IsolationLevel() const { return isolationLevel_; }
    void setIsolationLevel(long v) { isolationLevel_ = v; }

    long BeginTrans();
    void CommitTrans();
    void RollbackTrans();

    // Schema lists: adSchemaTables (TABLE_CATALOG, TABLE_SCHEMA, TABLE_NAME, TABLE_TYPE)
    // restricted by catalog, schema, name, type; adSchemaColumns (TABLE_CATALOG,
    // TABLE_SCHEMA, TABLE_NAME, COLUMN_NAME, ORDINAL_POSITION, DATA_TYPE, ...)
    // restricted by catalog, schema, table, column. Empty/Empty-variant = no restriction.
    Recordset OpenSchema(long schema, const std::vector<base::Variant>& restrictions = {});

    Errors& errors() { return errors_; }
    const Errors& errors() const { return errors_; }

    // The provider in use (for Recordset); null while closed.
    Provider* provider() const { return provider_.get(); }

    // Internal: recordsets opened on this connection are told when it closes (their
    // streamed rows end; held rows stay readable but can no longer be written).
    void registrar(RecordsetImpl* rs);
    void olvidar(RecordsetImpl* rs);

private:
    void desconectarRecordsets();

    std::unique_ptr<Provider> provider_;
    std::vector<RecordsetImpl*> recordsets_;
    QString defaultDatabase_;
    QString connectionString_;
    long cursorLocation_ = adUseServer;
    long commandTimeout_ = 30;
    long connectionTimeout_ = 15;
    long isolationLevel_ = adXactReadCommitted;
    Errors errors_;
};

}  // namespace ado
