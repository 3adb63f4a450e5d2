// ZkArchivoIni, ZkAvance, ZkDialogoArchivo, the window steps and the session helpers.
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QWidget>
#include "base/archivos.h"
#include "base/reloj.h"
#include "companion/zorvkit.h"
#include "tests/common/carpeta_temporal.h"
#include "ui/controles.h"
#include "tests/common/variable_entorno.h"
#include "ui/operador_guionado.h"

namespace {
using prueba::Variable;

void escribir(const QString& ruta, const QByteArray& contenido) {
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(contenido);
}
}  // namespace

TEST(zk_archivo_ini, secciones_y_claves_sin_mayusculas_y_el_defecto_si_falta) {
    prueba::CarpetaTemporal dir;
    Variable v("ZORVSUITE_INI_DIR", dir.ruta().toUtf8());
    escribir(dir.archivo(QStringLiteral("ro000za.ini")),
             "; configuraci\xF3n del puesto\r\n"
             "[PC1|ANA]\r\n"
             "  FlatToolbars = 0 \r\n"
             "Vacia=\r\n"
             ";Servidor=comentado\r\n"
             "[pc1|anaBaseDeDatos]\r\n"
             "Servidor = srv;1 \r\n"
             "DbName=\"Empresa \xD1" "and\xFA\"\r\n"   // Windows-1252
             "[otra]\r\n"
             "Servidor=otro\r\n");
    const QString ini = QStringLiteral("RO000za.INI");
    ZkArchivoIniClass& z = ZkArchivoIni();
    struct Caso { const char* seccion; const char* clave; const char* esperado; };
    const Caso casos[] = {
        {"pc1|ana", "flattoolbars", "0"},
        {"PC1|ANA", "Vacia", ""},
        {"PC1|ANA", "Servidor", "defecto"},
        {"PC1|ANABASEDEDATOS", "SERVIDOR", "srv;1"},
        {"PC1|ANABASEDEDATOS", "DbName", "Empresa Ñandú"},
        {"PC1|ANABASEDEDATOS", "Usuario", "defecto"},
        {"NINGUNA", "Servidor", "defecto"},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(z.LeerIni(ini, QString::fromUtf8(c.seccion), QString::fromUtf8(c.clave), QStringLiteral("defecto")),
                  QString::fromUtf8(c.esperado)) << c.seccion << " " << c.clave;
    EXPECT_EQ(z.LeerIni(QStringLiteral("NOHAY.INI"), QStringLiteral("PC1|ANA"), QStringLiteral("FlatToolbars"), QStringLiteral("1")),
              QStringLiteral("1"));
    EXPECT_EQ(z.LeerIni(dir.archivo(QStringLiteral("RO000ZA.INI")), QStringLiteral("otra"), QStringLiteral("servidor"), QString()),
              QStringLiteral("otro"));
    EXPECT_EQ(ZkArchivoIniClass::CarpetasIni().constFirst(), dir.ruta());
    EXPECT_EQ(ZkArchivoIniClass::CarpetasIni().constLast(), QStringLiteral("/etc/zorvsuite"));
}

TEST(zk_archivo_ini, sin_carpeta_propia_busca_en_la_configuracion_del_usuario) {
    prueba::CarpetaTemporal dir;
    Variable sinPropia("ZORVSUITE_INI_DIR", QByteArray());
    Variable xdg("XDG_CONFIG_HOME", dir.ruta().toUtf8());
    ASSERT_TRUE(QDir(dir.ruta()).mkpath(QStringLiteral("zorvsuite")));
    escribir(dir.archivo(QStringLiteral("zorvsuite/RO000za.INI")), "[A]\nk=v\u00d1\n");
    EXPECT_EQ(ZkArchivoIniClass::CarpetaIni(), dir.ruta() + QStringLiteral("/zorvsuite"));
    EXPECT_EQ(ZkArchivoIni().LeerIni(QStringLiteral("RO000za.INI"), QStringLiteral("a"), QStringLiteral("K"), QString()),
              QStringLiteral("vÑ"));   // UTF-8
}

TEST(zk_avance, guarda_su_estado_sin_pantalla) {
    ZkAvanceClass& a = ZkAvance();
    EXPECT_FALSE(a.Abierto());
    a.MuestraAvance(QStringLiteral("Generando archivo"), 0);
    a.ActualizaAvance(0, QStringLiteral("Talonario 0001"));
    EXPECT_TRUE(a.Abierto());
    EXPECT_EQ(a.Titulo(), QStringLiteral("Generando archivo"));
    EXPECT_EQ(a.Texto(), QStringLiteral("Talonario 0001"));
    EXPECT_EQ(a.Ventana(), nullptr);   // offscreen: no window
    a.CierraAvance();
    EXPECT_FALSE(a.Abierto());
}

TEST(zk_dialogo_archivo, elige_por_el_operador_y_marca_la_cancelacion) {
    ui::OperadorGuionado& op = ui::instalarOperadorGuionado();
    op.textos << QStringLiteral("/tmp/a.txt");
    ZkDialogoArchivoClass& d = ZkDialogoArchivo();
    d.TituloDialogo = QStringLiteral("Abrir");
    d.FiltroDialogo = QStringLiteral("Texto |*.TXT");
    d.MostrarAbrir();
    EXPECT_EQ(d.ArchivoElegido(), QStringLiteral("/tmp/a.txt"));
    EXPECT_EQ(d.DialogoCancelado(), 0);
    d.MostrarAbrir();
    EXPECT_EQ(d.ArchivoElegido(), QString());
    EXPECT_NE(d.DialogoCancelado(), 0);
    ASSERT_EQ(op.llamadas.size(), 2);
    EXPECT_EQ(op.llamadas[0].titulo, QStringLiteral("Abrir"));
    EXPECT_EQ(op.llamadas[0].texto, QStringLiteral("Texto |*.TXT"));
}

TEST(zk_general, elegir_fecha_pregunta_al_operador_desde_hoy) {
    base::Reloj::Fijar(QDateTime(QDate(2015, 8, 31), QTime(10, 0)));
    ui::OperadorGuionado& op = ui::instalarOperadorGuionado();
    op.fechas << QDate(2015, 9, 1);
    EXPECT_EQ(ZkGeneral().ElegirFecha(), QDate(2015, 9, 1));
    ASSERT_EQ(op.llamadas.size(), 1);
    EXPECT_EQ(op.llamadas[0].texto, QStringLiteral("31/08/2015"));
    EXPECT_FALSE(ZkGeneral().ElegirFecha().isValid());
}

TEST(zk_general, los_formularios_abiertos_se_registran_y_nada_falla) {
    auto* f1 = new QWidget;
    QWidget f2;
    ZkGeneral().PreparaFormulario(nullptr, true);
    ZkGeneral().AbreFormulario(nullptr, QString());
    ZkGeneral().CierraFormulario(nullptr, QString());
    ZkGeneral().PreparaFormulario(&f2, false);
    EXPECT_EQ(f2.windowTitle(), QStringLiteral("RmAutoImpr"));
    ZkGeneral().AbreFormulario(f1, QString());
    ZkGeneral().AbreFormulario(&f2, QString());
    ZkGeneral().AbreFormulario(&f2, QString());
    EXPECT_EQ(ZkGeneral().FormulariosAbiertos(), (QList<QWidget*>{f1, &f2}));
    delete f1;
    EXPECT_EQ(ZkGeneral().FormulariosAbiertos(), QList<QWidget*>{&f2});
    ZkGeneral().CierraFormulario(&f2, QString());
    EXPECT_TRUE(ZkGeneral().FormulariosAbiertos().isEmpty());
    auto* miembro = ui::Registrar(new QWidget(&f2), QStringLiteral("Txtfields"), 0);
    auto* suelto = ui::Registrar(new QWidget(&f2), QStringLiteral("Frame2"));
    EXPECT_TRUE(ZkGeneral().EsElementoDeArray(miembro));
    EXPECT_FALSE(ZkGeneral().EsElementoDeArray(suelto));
}

TEST(zk_sesion, nombres_del_puesto_y_carpeta_temporal) {
    EXPECT_FALSE(ZkSesion().NombreMaquina().isEmpty());
    EXPECT_FALSE(ZkSesion().NombreUsuarioEquipo().isEmpty());
    EXPECT_TRUE(ZkSesion().CarpetaTemporal().endsWith(QLatin1Char('/')));
    EXPECT_TRUE(QDir(ZkSesion().CarpetaTemporal()).exists());
    EXPECT_FALSE(ZkSesion().ShellEjecutar(0, QStringLiteral("open"), QString(), QString(), QString(), 1));
    EXPECT_FALSE(ZkSesion().ShellEjecutar(0, QStringLiteral("open"), QStringLiteral("/no/existe.txt"), QString(), QString(), 1));
}
