#pragma once

#include <QString>

class QCoreApplication;

// Qt's own captions ("OK", "Yes", "No" on message boxes) in Spanish, whatever the system's
// language, since the whole interface is Spanish.
namespace SpanishQtTexts
{

// Loads qtbase_es from folder (Qt's translations folder by default); when it is not there, the
// message box buttons still read "Aceptar", "Sí" and "No".
void install(QCoreApplication &application, const QString &folder = QString());

} // namespace SpanishQtTexts
