// The SQLite connection and statement owners, and the time-out of a call: busy
// waits are retried until the limit, a statement running past it is interrupted.
#include "ado/sqlite/base_sqlite.h"

#include "base/error.h"

namespace ado::sqlite {

Base::Base(sqlite3* db) : db_(db) {
    sqlite3_busy_handler(db_, &Base::alEsperar, this);
    sqlite3_progress_handler(db_, 2000, &Base::alProgresar, this);
}

Base::~Base() { sqlite3_close_v2(db_); }

void Base::IniciarPlazo(long segundos) {
    vencido_ = false;
    conLimite_ = segundos > 0;
    if (conLimite_) limite_ = std::chrono::steady_clock::now() + std::chrono::seconds(segundos);
}

bool Base::pasado() {
    if (conLimite_ && std::chrono::steady_clock::now() >= limite_) vencido_ = true;
    return vencido_;
}

int Base::alEsperar(void* yo, int) {
    auto* b = static_cast<Base*>(yo);
    if (b->pasado()) return 0;
    sqlite3_sleep(5);
    return 1;
}

int Base::alProgresar(void* yo) { return static_cast<Base*>(yo)->pasado() ? 1 : 0; }

std::shared_ptr<Base> AbrirBase(const QString& archivo, bool crear, int& rc, QString& mensaje, long plazo) {
    sqlite3* db = nullptr;
    const int banderas = SQLITE_OPEN_READWRITE | (crear ? SQLITE_OPEN_CREATE : 0) | SQLITE_OPEN_NOMUTEX;
    rc = sqlite3_open_v2(archivo.toUtf8().constData(), &db, banderas, nullptr);
    if (rc != SQLITE_OK) {
        mensaje = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QStringLiteral("out of memory");
        sqlite3_close_v2(db);
        return nullptr;
    }
    sqlite3_extended_result_codes(db, 1);
    RegistrarFunciones(db);
    sqlite3_busy_timeout(db, static_cast<int>(plazo > 0 ? plazo * 1000 : 0));
    // A file that is not a database is only noticed when it is first read.
    rc = sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) {
        mensaje = QString::fromUtf8(sqlite3_errmsg(db));
        sqlite3_close_v2(db);
        return nullptr;
    }
    return std::make_shared<Base>(db);
}

void EjecutarGuion(const QString& archivo, const QString& guion) {
    int rc = 0;
    QString mensaje;
    auto base = AbrirBase(archivo, true, rc, mensaje);
    if (!base) throw base::Error(base::err::ErrorRutaArchivo, archivo + QStringLiteral(": ") + mensaje);
    const QByteArray texto = guion.toUtf8();
    const char* resto = texto.constData();
    sqlite3_exec(base->db(), "BEGIN", nullptr, nullptr, nullptr);
    while (*resto) {
        sqlite3_stmt* st = nullptr;
        const char* inicio = resto;
        rc = sqlite3_prepare_v2(base->db(), resto, -1, &st, &resto);
        Sentencia s(base, st);
        if (rc == SQLITE_OK && st) {
            while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
            }
            if (rc == SQLITE_DONE) rc = SQLITE_OK;
        }
        if (rc != SQLITE_OK) {
            const QString causa = QString::fromUtf8(sqlite3_errmsg(base->db()));
            if (!sqlite3_get_autocommit(base->db())) sqlite3_exec(base->db(), "ROLLBACK", nullptr, nullptr, nullptr);
            const QString sentencia = QString::fromUtf8(inicio, static_cast<int>(resto - inicio)).trimmed();
            throw base::Error(base::err::ErrorInterno, QStringLiteral("%1: %2 en: %3")
                                                           .arg(archivo, causa, sentencia.left(200)));
        }
    }
    if (!sqlite3_get_autocommit(base->db())) sqlite3_exec(base->db(), "COMMIT", nullptr, nullptr, nullptr);
}

}  // namespace ado::sqlite
