// The global data module: the program-wide data-access objects, the format texts, the
// server-name and row-limit rules, the INSERT/UPDATE builder, ControlErrores and the
// AUX_ERR writer. ControlErrores and GrabaAuxErr never stop their caller.
#include "data/global.h"
#include <QFile>
#include <memory>
#include "base/archivos.h"
#include "base/entorno.h"
#include "base/format.h"
#include "base/globales.h"
#include "base/reloj.h"
#include "base/texto.h"
#include "companion/dialogo_error.h"
#include "companion/zorvkit.h"

namespace {

// One program-wide object per slot, created on first use and dropped by the reset.
DB_Dll& objeto(std::unique_ptr<DB_Dll>& slot) {
    if (!slot) slot = std::make_unique<DB_Dll>();
    return *slot;
}

struct Objetos {
    std::unique_ptr<DB_Dll> main, estadisticas, alternativa;
    std::vector<CampoValor> camposValores{CampoValor{}};
};

Objetos& objetos() {
    static Objetos o;
    static bool registrado = false;
    if (!registrado) {
        registrado = true;
        base::AlReiniciar([] {
            o.main.reset();
            o.estadisticas.reset();
            o.alternativa.reset();
            o.camposValores = {CampoValor{}};
        });
    }
    return o;
}

}  // namespace

DB_Dll& DBMain() { return objeto(objetos().main); }
DB_Dll& DBEstadisticas() { return objeto(objetos().estadisticas); }
DB_Dll& DBAlternativa() { return objeto(objetos().alternativa); }

QString FmtFechaHora() { return QStringLiteral("dd/mm/yy hh:mm"); }
QString FmtFecha() { return QStringLiteral("dd/mm/yy"); }
QString FmtHora() { return QStringLiteral("hh:mm"); }

QString NombreServidor(const QString& Servidor) {
    QString nombre = Servidor;
    const int barra = base::InStr(nombre, QStringLiteral("/"));
    if (barra > 0) nombre = base::Mid(nombre, barra + 1);
    const int dosPuntos = base::InStr(nombre, QStringLiteral(":"));
    if (dosPuntos > 0) nombre = base::Left(nombre, dosPuntos - 1);
    return nombre;
}

QString AdaptaTop(const QString& SQL) {
    if (!base::Contiene(DBMain().gConnString, QStringLiteral("oracle"))) return SQL;
    if (ZkGeneral().CantidadPalabras(SQL) < 2)
        return base::UCase(SQL) == QLatin1String("LEN") ? QStringLiteral("LENGTH") : SQL;
    if (!base::Contiene(SQL, QStringLiteral("top "))) return SQL;
    const int top = base::InStr(SQL, QStringLiteral("top"));
    const QString cabeza = base::Left(SQL, top - 1);
    const QString resto = base::Mid(SQL, top + 3);
    const int asterisco = base::InStr(resto, QStringLiteral("*"));
    if (asterisco == 0)
        throw base::Error(base::err::LlamadaNoValida, QStringLiteral("Llamada a procedimiento o argumento no válidos"));
    const QString cantidad = base::Left(resto, asterisco - 1);
    const QString cola = base::Mid(resto, asterisco + 1);
    return cabeza + QStringLiteral(" * ") + cola + QStringLiteral(" WHERE ROWNUM <= ") + cantidad;
}

QString TextoSQL(const QString& valor) {
    QString r = valor;
    return r.replace(QLatin1Char('\''), QStringLiteral("''"));
}

std::vector<CampoValor>& gCamposValores() { return objetos().camposValores; }

void AgregaValor(const QString& Campo, QString& Valor, const QString& Marca, bool NuevaLista) {
    auto& pares = gCamposValores();
    if (NuevaLista) pares = {CampoValor{}};
    else pares.push_back(CampoValor{});
    Valor.remove(QLatin1Char('\''));
    CampoValor& par = pares.back();
    par.Campo = Campo;
    if (base::UCase(Valor) == QLatin1String("NULL")) par.Valor = QStringLiteral("Null");
    else par.Valor = DBMain().SQLValue(base::Variant(Valor), Marca);
}

void AgregaValor(const QString& Campo, const QString& Valor, const QString& Marca, bool NuevaLista) {
    QString copia = Valor;
    AgregaValor(Campo, copia, Marca, NuevaLista);
}

void ArmaSentencia(std::vector<CampoValor>& Pares, QStringList& Sentencias, const QString& Tabla,
                   bool Actualiza, QString& Condicion, bool Mantener) {
    QString sentencia;
    if (Actualiza) {
        QStringList asignaciones;
        for (const CampoValor& p : Pares) asignaciones << p.Campo + QStringLiteral(" = ") + p.Valor;
        if (!base::Contiene(Condicion, QStringLiteral("WHERE"))) Condicion = QStringLiteral(" WHERE ") + Condicion;
        sentencia = QStringLiteral("UPDATE ") + Tabla + QStringLiteral(" SET ") + asignaciones.join(QLatin1Char(',')) +
                    QStringLiteral(" ") + Condicion;
    } else {
        QStringList campos, valores;
        for (const CampoValor& p : Pares) {
            campos << p.Campo;
            valores << p.Valor;
        }
        sentencia = QStringLiteral("INSERT INTO ") + Tabla + QStringLiteral(" ") + QStringLiteral("(") +
                    campos.join(QLatin1Char(',')) + QStringLiteral(")") + QStringLiteral(" VALUES (") +
                    valores.join(QLatin1Char(',')) + QStringLiteral(")");
    }
    Sentencias.append(sentencia);
    Sentencias.append(QString());
    if (!Mantener) Pares = {CampoValor{}};
}

void ArmaSentencia(std::vector<CampoValor>& Pares, QStringList& Sentencias, const QString& Tabla,
                   bool Actualiza, const QString& Condicion, bool Mantener) {
    QString copia = Condicion;
    ArmaSentencia(Pares, Sentencias, Tabla, Actualiza, copia, Mantener);
}

QString ArchivoControlErrores() {
    QString carpeta;
    if (!base::Entorno::Variable(QStringLiteral("TEMP")).isEmpty())
        carpeta = base::Entorno::Variable(QStringLiteral("TMP"));
    carpeta = base::Trim(carpeta);
    if (carpeta.isEmpty()) carpeta = ZkSesion().CarpetaTemporal();
    carpeta = ZkGeneral().CarpetaConBarra(carpeta);
    if (!carpeta.endsWith(QLatin1Char('/'))) carpeta += QLatin1Char('/');
    return carpeta + QStringLiteral("QVERR.LOG");
}

// The log is opened for appending before the dialog is shown and stays open while it
// is answered. A log that cannot be opened or written gets no line: the dialog is still
// shown and its answer returned, so a full disk or a read-only folder never turns an
// error report into a new failure of the caller.
int ControlErrores(const base::Error& falla, int Botones, const QString& Rutina) {
    int respuesta = 0;
    QFile log;
    base::PasoGuardado([&] {
        log.setFileName(ArchivoControlErrores());
        log.open(QIODevice::WriteOnly | QIODevice::Append);
    }, base::IgnorarFalla);
    if (falla.Number != 0) {
        base::PasoGuardado([&] { respuesta = dialogo_error::Mostrar(falla, Botones, Rutina); }, base::IgnorarFalla);
        base::PasoGuardado([&] {
            if (!log.isOpen()) return;
            QByteArray linea = base::ACp1252(dialogo_error::LineaLog(base::Reloj::Ahora(), Rutina, falla, respuesta));
            linea += "\r\n";
            log.write(linea);
        }, base::IgnorarFalla);
    }
    if (log.isOpen()) log.close();
    return respuesta;
}

base::Manejador ManejadorControlErrores(const QString& Rutina, int Botones) {
    return [Rutina, Botones](const base::Error& e) { return ControlErrores(e, Botones, Rutina); };
}

void GrabaAuxErr(const QString& SQL, QString& Proceso, long Error, const base::Variant& Descripcion) {
    DB_Dll& db = DBMain();
    ado::Recordset rs;
    base::EjecutarPasos({
        [&] { if (Proceso.isEmpty()) Proceso = base::Entorno::NombreEjecutable(); },
        [&] {
            db.AbrirRecordset(QStringLiteral("select  top 1 * from AUX_ERR  with(nolock) "), rs, nullptr,
                              ado::adOpenDynamic, ado::adLockOptimistic, -1, true);
        },
        [&] { rs.AddNew(); },
        [&] { rs.Fields(QStringLiteral("Proceso")).setValue(Proceso); },
        [&] { rs.Fields(QStringLiteral("Fecha")).setValue(base::Format(base::Variant(base::Reloj::Ahora()), FmtFechaHora())); },
        [&] { rs.Fields(QStringLiteral("Error")).setValue(base::Variant(static_cast<long long>(Error))); },
        [&] { rs.Fields(QStringLiteral("Descripcion")).setValue(ZkGeneral().Recortar(Descripcion.toString(), 250)); },
        [&] { rs.Fields(QStringLiteral("SQL")).setValue(SQL); },
        [&] { rs.Fields(QStringLiteral("PC")).setValue(ZkSesion().NombreMaquina()); },
        [&] { rs.Fields(QStringLiteral("Usuario")).setValue(db.gUsuario); },
        [&] { rs.Update(); },
        [&] { db.CierraRecordset(rs); },
    }, base::IgnorarFalla);
}

void GrabaAuxErr(const QString& SQL, const QString& Proceso, long Error, const base::Variant& Descripcion) {
    QString copia = Proceso;
    GrabaAuxErr(SQL, copia, Error, Descripcion);
}
