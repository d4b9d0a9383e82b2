#include "TextImport.h"

#include "Cp1252.h"
#include "ExerciseCutter.h"
#include "TypableText.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace TextImport
{

namespace
{

// Words of a pasted text that name it in the lesson.
constexpr qsizetype TitleWords = 5;
constexpr qsizetype TitleLength = 40;

Result refused(const QString &why)
{
    Result result;
    result.refusal = why;
    return result;
}

QString quoted(const QString &path)
{
    return QStringLiteral("«") + QFileInfo(path).fileName() + QStringLiteral("»");
}

QString firstWords(const QString &text)
{
    const QStringList words = text.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QString title = words.mid(0, TitleWords).join(QLatin1Char(' '));
    if (title.size() > TitleLength) {
        title = title.left(TitleLength).trimmed() + QStringLiteral("...");
    }
    return title;
}

Result fromText(const QString &text, const QString &title)
{
    const TypableText::Outcome typable = TypableText::make(text);
    Result result;
    result.exercises = ExerciseCutter::cut(typable.text);
    if (result.exercises.isEmpty()) {
        return refused(text.trimmed().isEmpty()
                ? QStringLiteral("El texto está vacío: no hay nada que practicar.")
                : QStringLiteral("El texto no tiene nada que se pueda escribir con el teclado español."));
    }
    result.title = title.isEmpty() ? firstWords(typable.text) : title;
    result.notice = TypableText::notice(typable);
    return result;
}

// Bytes that no text file holds: NUL, and the control codes no editor writes. A few may stray
// into a real text; a program or a picture is full of them.
bool looksBinary(const QString &text)
{
    qsizetype controls = 0;
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        if (code == 0) {
            return true;
        }
        if (code < 0x20 && code != u'\t' && code != u'\n' && code != u'\r' && code != u'\f') {
            ++controls;
        }
    }
    return controls > text.size() / 100;
}

// The file's bytes, or why it cannot be had. The type is checked before opening, since opening a
// FIFO waits for a writer; O_NONBLOCK and the second check cover a file swapped in between.
QByteArray readFile(const QString &path, QString *refusal)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat status {
    };
    if (::stat(native.constData(), &status) != 0) {
        *refusal = errno == ENOENT ? QStringLiteral("No se encuentra el archivo ") + quoted(path) + QLatin1Char('.')
                                   : QStringLiteral("No se puede leer el archivo ") + quoted(path) + QLatin1Char('.');
        return {};
    }
    const auto notRegular = [&] {
        *refusal = quoted(path) + QStringLiteral(" no es un archivo de texto corriente: no se puede practicar.");
    };
    const auto tooLarge = [&] {
        *refusal = quoted(path) + QStringLiteral(" es demasiado grande: se practican textos de hasta ")
            + QString::number(MaxFileSize / (1024 * 1024)) + QStringLiteral(" MB.");
    };
    if (!S_ISREG(status.st_mode)) {
        notRegular();
        return {};
    }
    if (status.st_size > MaxFileSize) {
        tooLarge();
        return {};
    }
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        *refusal = QStringLiteral("No se puede leer el archivo ") + quoted(path) + QLatin1Char('.');
        return {};
    }
    QFile file;
    // The descriptor is QFile's from here, and closed with it.
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)
        || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        notRegular();
        return {};
    }
    // One byte more than allowed tells a file that grew while it was read.
    const QByteArray bytes = file.read(MaxFileSize + 1);
    if (file.error() != QFileDevice::NoError) {
        *refusal = QStringLiteral("No se puede leer el archivo ") + quoted(path) + QLatin1Char('.');
        return {};
    }
    if (bytes.size() > MaxFileSize) {
        tooLarge();
        return {};
    }
    return bytes;
}

} // namespace

QString decode(const QByteArray &bytes, bool *ok)
{
    *ok = true;
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        const auto encoding = bytes.startsWith("\xFF\xFE") ? QStringConverter::Utf16LE : QStringConverter::Utf16BE;
        QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
        const QString text = decoder.decode(QByteArrayView(bytes).sliced(2));
        *ok = !decoder.hasError() && !looksBinary(text);
        return text;
    }
    const QByteArrayView body
        = bytes.startsWith("\xEF\xBB\xBF") ? QByteArrayView(bytes).sliced(3) : QByteArrayView(bytes);
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(body);
    // Windows-1252 accents are never valid UTF-8 sequences, so a file that decodes cleanly is UTF-8.
    if (utf8.hasError()) {
        text = Cp1252::decode(bytes);
    }
    *ok = !looksBinary(text);
    return text;
}

Result fromFile(const QString &path)
{
    QString refusal;
    const QByteArray bytes = readFile(path, &refusal);
    if (!refusal.isEmpty()) {
        return refused(refusal);
    }
    bool isText = false;
    const QString text = decode(bytes, &isText);
    if (!isText) {
        return refused(quoted(path) + QStringLiteral(" no es un archivo de texto: no se puede practicar."));
    }
    return fromText(text, QFileInfo(path).completeBaseName());
}

Result fromPastedText(const QString &text)
{
    return fromText(text, QString());
}

} // namespace TextImport
