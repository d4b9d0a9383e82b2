#include "SpanishQtTexts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace
{

// The captions of the message box buttons the program uses, for a system without Qt's
// translations.
class ButtonCaptions : public QTranslator
{
public:
    using QTranslator::QTranslator;

    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (qstrcmp(context, "QPlatformTheme") != 0) {
            return {};
        }
        if (qstrcmp(sourceText, "OK") == 0) {
            return QStringLiteral("Aceptar");
        }
        if (qstrcmp(sourceText, "&Yes") == 0) {
            return QStringLiteral("&Sí");
        }
        if (qstrcmp(sourceText, "&No") == 0) {
            return QStringLiteral("&No");
        }
        return {};
    }

    bool isEmpty() const override
    {
        return false;
    }
};

} // namespace

namespace SpanishQtTexts
{

void install(QCoreApplication &application, const QString &folder)
{
    auto *qtTexts = new QTranslator(&application);
    const QString from = folder.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : folder;
    if (qtTexts->load(QStringLiteral("qtbase_es"), from)) {
        QCoreApplication::installTranslator(qtTexts);
        return;
    }
    delete qtTexts;
    QCoreApplication::installTranslator(new ButtonCaptions(&application));
}

} // namespace SpanishQtTexts
