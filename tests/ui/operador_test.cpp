// The operators: the headless answers and lines, the scripted queues, and the real
// message box's buttons and answers.
#include <gtest/gtest.h>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include "base/globales.h"
#include "ui/operador_guionado.h"
#include "ui/operador_headless.h"
#include "ui/operador_qt.h"

using namespace ui;

TEST(operador_headless, cada_estilo_recibe_la_respuesta_segura_y_una_linea) {
    struct Caso { int estilo; int respuesta; };
    const Caso casos[] = {
        {vbOKOnly, vbOK}, {vbOKCancel, vbCancel}, {vbAbortRetryIgnore, vbAbort}, {vbYesNoCancel, vbCancel},
        {vbYesNo, vbNo}, {vbRetryCancel, vbCancel},
        {vbYesNo + vbQuestion, vbNo}, {vbAbortRetryIgnore + vbCritical, vbAbort}, {vbOKCancel + vbExclamation + 256, vbCancel},
    };
    for (const Caso& c : casos) {
        OperadorHeadless op;
        testing::internal::CaptureStderr();
        const int r = op.MsgBox(QStringLiteral("Texto "), c.estilo, QStringLiteral("AVISO AL OPERADOR"));
        const std::string salida = testing::internal::GetCapturedStderr();
        EXPECT_EQ(r, c.respuesta) << "estilo " << c.estilo;
        EXPECT_EQ(salida, "AVISO AL OPERADOR: Texto \n") << "estilo " << c.estilo;
        ASSERT_EQ(op.mensajes().size(), 1);
        EXPECT_EQ(op.mensajes()[0].estilo, c.estilo);
    }
}

TEST(operador_headless, la_linea_usa_el_titulo_del_programa_y_no_corta_el_texto) {
    OperadorHeadless op;
    testing::internal::CaptureStderr();
    op.MsgBox(QStringLiteral("Opcion no Implementada!\r\nComuniquese\ncon su proveedor\rya  "), vbCritical, QString());
    op.MsgBox(QStringLiteral("Año válido"), vbOKOnly, QStringLiteral("Atención"));
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "RmAutoImpr: Opcion no Implementada! Comuniquese con su proveedor ya  \n"
              "Atención: Año válido\n");
    ASSERT_EQ(op.mensajes().size(), 2);
    EXPECT_EQ(op.mensajes()[0].titulo, QStringLiteral("RmAutoImpr"));
    EXPECT_EQ(op.mensajes()[0].texto, QStringLiteral("Opcion no Implementada!\r\nComuniquese\ncon su proveedor\rya  "));
    EXPECT_EQ(op.mensajes()[1].titulo, QStringLiteral("Atención"));
}

TEST(operador_headless, las_preguntas_quedan_sin_respuesta_y_el_acceso_se_niega) {
    OperadorHeadless op;
    testing::internal::CaptureStderr();
    EXPECT_EQ(op.InputBox(QStringLiteral("Clave"), QString(), QStringLiteral("x")), QString());
    EXPECT_EQ(op.ElegirCarpeta(QStringLiteral("Seleccionar Directorio"), nullptr), QString());
    EXPECT_EQ(op.ElegirArchivo(QStringLiteral("Abrir"), QStringLiteral("Texto |*.TXT")), QString());
    EXPECT_FALSE(op.ElegirFecha(QDate(2015, 3, 1)).isValid());
    DatosAcceso datos;
    datos.Servidor = QStringLiteral("srv");
    EXPECT_FALSE(op.PedirAcceso(datos));
    const QString salida = QString::fromStdString(testing::internal::GetCapturedStderr());
    EXPECT_TRUE(salida.contains(QStringLiteral("datos de acceso"))) << salida.toStdString();
    EXPECT_EQ(datos.Servidor, QStringLiteral("srv"));
    EXPECT_TRUE(op.mensajes().isEmpty());
}

TEST(operador_programa, sin_operador_instalado_responde_el_headless) {
    base::ReiniciarGlobales();
    EXPECT_NE(dynamic_cast<OperadorHeadless*>(&operador()), nullptr);
    OperadorGuionado& g = instalarOperadorGuionado();
    EXPECT_EQ(&operador(), &g);
    EXPECT_EQ(TituloPrograma(), QStringLiteral("RmAutoImpr"));
}

TEST(operador_guionado, responde_en_orden_y_luego_por_defecto) {
    OperadorGuionado& op = instalarOperadorGuionado();
    op.respuestas << vbRetry << vbIgnore;
    op.textos << QStringLiteral("/tmp/x") << QStringLiteral("a.txt");
    op.fechas << QDate(2016, 2, 29);
    EXPECT_EQ(operador().MsgBox(QStringLiteral("uno"), vbAbortRetryIgnore + vbCritical, QStringLiteral("T")), vbRetry);
    EXPECT_EQ(operador().MsgBox(QStringLiteral("dos"), 18, QString()), vbIgnore);
    EXPECT_EQ(operador().MsgBox(QStringLiteral("tres"), vbYesNo, QString()), vbOK);
    op.respuestaPorDefecto = vbNo;
    EXPECT_EQ(operador().MsgBox(QStringLiteral("cuatro"), vbYesNo, QString()), vbNo);
    EXPECT_EQ(operador().ElegirCarpeta(QStringLiteral("Seleccionar Directorio"), nullptr), QStringLiteral("/tmp/x"));
    EXPECT_EQ(operador().ElegirArchivo(QStringLiteral("Abrir"), QStringLiteral("Texto |*.TXT")), QStringLiteral("a.txt"));
    EXPECT_EQ(operador().InputBox(QStringLiteral("?"), QString(), QString()), QString());
    EXPECT_EQ(operador().ElegirFecha(QDate(2016, 1, 1)), QDate(2016, 2, 29));
    EXPECT_FALSE(operador().ElegirFecha(QDate()).isValid());

    const QList<Llamada> m = op.mensajes();
    ASSERT_EQ(m.size(), 4);
    EXPECT_EQ(m[0].texto, QStringLiteral("uno"));
    EXPECT_EQ(m[0].titulo, QStringLiteral("T"));
    EXPECT_EQ(m[0].estilo, 18);
    EXPECT_EQ(m[1].titulo, QString());
    EXPECT_EQ(m[3].respuesta, vbNo);
    ASSERT_EQ(op.llamadas.size(), 9);
    EXPECT_EQ(op.llamadas[4].tipo, QStringLiteral("ElegirCarpeta"));
    EXPECT_EQ(op.llamadas[4].titulo, QStringLiteral("Seleccionar Directorio"));
    EXPECT_EQ(op.llamadas[5].texto, QStringLiteral("Texto |*.TXT"));
}

TEST(operador_guionado, el_acceso_acepta_con_los_datos_encolados_o_cancela) {
    OperadorGuionado& op = instalarOperadorGuionado();
    DatosAcceso nuevos;
    nuevos.UserId = QStringLiteral("ana");
    nuevos.Plataforma = 1;
    op.accesos << OperadorGuionado::RespuestaAcceso{false, nuevos} << OperadorGuionado::RespuestaAcceso{true, nuevos};
    DatosAcceso d;
    d.Servidor = QStringLiteral("srv");
    EXPECT_FALSE(operador().PedirAcceso(d));
    EXPECT_EQ(d.UserId, QString());
    EXPECT_TRUE(operador().PedirAcceso(d));
    EXPECT_EQ(d.UserId, QStringLiteral("ana"));
    EXPECT_EQ(d.Plataforma, 1);
    EXPECT_FALSE(operador().PedirAcceso(d));   // empty queue: cancel
    ASSERT_EQ(op.accesosMostrados.size(), 3);
    EXPECT_EQ(op.accesosMostrados[0].Servidor, QStringLiteral("srv"));
    EXPECT_EQ(op.accesosMostrados[2].UserId, QStringLiteral("ana"));
}

TEST(operador_qt, el_filtro_de_archivos_pasa_a_la_forma_de_qt) {
    EXPECT_EQ(OperadorQt::FiltroQt(QStringLiteral("Archivos de texto |*.TXT")), QStringLiteral("Archivos de texto (*.TXT)"));
    EXPECT_EQ(OperadorQt::FiltroQt(QStringLiteral("Texto|*.TXT|Datos|*.CSV;*.DAT")),
              QStringLiteral("Texto (*.TXT);;Datos (*.CSV *.DAT)"));
    EXPECT_EQ(OperadorQt::FiltroQt(QString()), QString());
}

TEST(operador_qt, sin_dialogo_de_acceso_instalado_responde_falso) {
    OperadorQt op;
    DatosAcceso d;
    OperadorQt::setDialogoAcceso(nullptr);
    EXPECT_FALSE(op.PedirAcceso(d));
    OperadorQt::setDialogoAcceso([](DatosAcceso& x) { x.UserId = QStringLiteral("pepe"); return true; });
    EXPECT_TRUE(op.PedirAcceso(d));
    EXPECT_EQ(d.UserId, QStringLiteral("pepe"));
    OperadorQt::setDialogoAcceso(nullptr);
}

// Presses, in the next modal message box, the button with the given standard role,
// after recording what the box shows.
struct Pulsador {
    explicit Pulsador(QMessageBox::StandardButton b) : boton(b) {}
    QMessageBox::StandardButton boton;
    QMessageBox::StandardButtons vistos;
    QMessageBox::Icon icono = QMessageBox::NoIcon;
    QString titulo;
    QStringList leyendas;
    QMessageBox::StandardButton porDefecto = QMessageBox::NoButton;
    void armar() {
        QTimer::singleShot(0, [this] { intentar(); });
    }
    void intentar() {
        auto* caja = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!caja) { QTimer::singleShot(5, [this] { intentar(); }); return; }
        vistos = caja->standardButtons();
        icono = caja->icon();
        titulo = caja->windowTitle();
        for (QAbstractButton* b : caja->buttons()) leyendas.append(b->text());
        leyendas.sort();
        if (caja->defaultButton()) porDefecto = caja->standardButton(caja->defaultButton());
        caja->button(boton)->click();
    }
};

TEST(operador_qt, el_cuadro_muestra_los_botones_del_estilo_y_responde_el_pulsado) {
    using B = QMessageBox;
    struct Caso { int estilo; B::StandardButtons botones; B::StandardButton pulsado; int respuesta; B::Icon icono; };
    const Caso casos[] = {
        {vbOKOnly, B::Ok, B::Ok, vbOK, B::NoIcon},
        {vbOKCancel + vbInformation, B::Ok | B::Cancel, B::Cancel, vbCancel, B::Information},
        {vbAbortRetryIgnore + vbCritical, B::Abort | B::Retry | B::Ignore, B::Retry, vbRetry, B::Critical},
        {vbAbortRetryIgnore + vbCritical, B::Abort | B::Retry | B::Ignore, B::Ignore, vbIgnore, B::Critical},
        {vbAbortRetryIgnore, B::Abort | B::Retry | B::Ignore, B::Abort, vbAbort, B::NoIcon},
        {vbYesNoCancel + vbQuestion, B::Yes | B::No | B::Cancel, B::Yes, vbYes, B::Question},
        {vbYesNo + vbExclamation, B::Yes | B::No, B::No, vbNo, B::Warning},
        {vbRetryCancel, B::Retry | B::Cancel, B::Retry, vbRetry, B::NoIcon},
    };
    OperadorQt op;
    for (const Caso& c : casos) {
        Pulsador p(c.pulsado);
        p.armar();
        EXPECT_EQ(op.MsgBox(QStringLiteral("texto"), c.estilo, QString()), c.respuesta) << "estilo " << c.estilo;
        EXPECT_EQ(p.vistos, c.botones) << "estilo " << c.estilo;
        EXPECT_EQ(p.icono, c.icono) << "estilo " << c.estilo;
        EXPECT_EQ(p.titulo, QStringLiteral("RmAutoImpr"));
    }
}

TEST(operador_qt, el_boton_por_defecto_sigue_los_bits_256_y_512) {
    OperadorQt op;
    Pulsador p(QMessageBox::Cancel);
    p.armar();
    op.MsgBox(QStringLiteral("x"), vbYesNoCancel + 512, QStringLiteral("T"));
    EXPECT_EQ(p.porDefecto, QMessageBox::Cancel);
    EXPECT_EQ(p.titulo, QStringLiteral("T"));
    Pulsador q(QMessageBox::No);
    q.armar();
    op.MsgBox(QStringLiteral("x"), vbYesNo + 256, QString());
    EXPECT_EQ(q.porDefecto, QMessageBox::No);
}

TEST(operador_qt, los_botones_llevan_las_leyendas_en_castellano) {
    OperadorQt op;
    Pulsador p(QMessageBox::Cancel);
    p.armar();
    op.MsgBox(QStringLiteral("x"), vbYesNoCancel, QString());
    EXPECT_EQ(p.leyendas, (QStringList{"Cancelar", "No", "Sí"}));
    Pulsador q(QMessageBox::Ignore);
    q.armar();
    op.MsgBox(QStringLiteral("x"), vbAbortRetryIgnore, QString());
    EXPECT_EQ(q.leyendas, (QStringList{"Anular", "Omitir", "Reintentar"}));
    Pulsador r(QMessageBox::Ok);
    r.armar();
    op.MsgBox(QStringLiteral("x"), vbOKCancel + vbInformation, QString());
    EXPECT_EQ(r.leyendas, (QStringList{"Aceptar", "Cancelar"}));
}
