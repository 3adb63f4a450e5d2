// User permissions and access log: the process name, its menu task and the
// Control_Acceso row; statement lists run as one transaction.
#pragma once
#include <QString>
#include <QStringList>

void VerificaPermisos(const QString& formulario);

void GActualizarDatoScript(const QStringList& sentencias, bool& hayError, long& codigoNativo,
                           bool avisoClaveDuplicada, bool avisoRestriccion, QString& lote,
                           QString& mensajeError, bool avisar);
