#include "XkbSymbols.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace
{

// The files include each other a few levels deep; a loop of includes ends here.
constexpr int MaxIncludeDepth = 12;
const QString NoSymbol = QStringLiteral("NoSymbol");

QString withoutComments(const QString &text)
{
    static const QRegularExpression comments(
        QStringLiteral(R"re(//[^\n]*|/\*.*?\*/)re"), QRegularExpression::DotMatchesEverythingOption);
    QString plain = text;
    return plain.remove(comments);
}

// The body of the section named, or of the default section (marked so, or else the first) when
// no name is given; null when there is no such section or it never ends.
QString sectionBody(const QString &text, const QString &section)
{
    static const QRegularExpression header(QStringLiteral(R"re(((?:[a-z_]+\s+)*)xkb_symbols\s+"([^"]*)"\s*\{)re"));
    QString firstBody;
    for (const QRegularExpressionMatch &match : header.globalMatch(text)) {
        const qsizetype open = match.capturedEnd(0);
        int depth = 1;
        qsizetype close = open;
        for (; close < text.size() && depth > 0; ++close) {
            depth += text.at(close) == QLatin1Char('{') ? 1 : text.at(close) == QLatin1Char('}') ? -1 : 0;
        }
        if (depth > 0) {
            break; // a section without its end is no section
        }
        const QString body = text.mid(open, close - open - 1);
        const bool isDefault = match.captured(1).split(QLatin1Char(' '), Qt::SkipEmptyParts).contains(u"default");
        if (section.isEmpty() ? isDefault : match.captured(2) == section) {
            return body;
        }
        if (firstBody.isNull()) {
            firstBody = body;
        }
    }
    return section.isEmpty() ? firstBody : QString();
}

// The symbols of a key's first group: the first list written bare ("{ [ a, A ] }") or as
// "symbols[Group1] = [ ... ]"; other lists (actions, other groups) are no symbols.
QStringList firstGroupSymbols(const QString &keyBody)
{
    static const QRegularExpression list(QStringLiteral(R"re((?:(\w+)\s*\[\s*(\w+)\s*\]\s*=\s*)?\[([^\]]*)\])re"));
    for (const QRegularExpressionMatch &match : list.globalMatch(keyBody)) {
        const QString field = match.captured(1);
        // "type[Group1]" is an index, not a list: a bare list follows "{" or ",".
        const QString before = keyBody.left(match.capturedStart(0)).trimmed();
        const bool bare = field.isEmpty() && (before.isEmpty() || before.endsWith(u',') || before.endsWith(u'{'));
        const bool groupOne = field.compare(u"symbols", Qt::CaseInsensitive) == 0
            && match.captured(2).compare(u"Group1", Qt::CaseInsensitive) == 0;
        if (bare || groupOne) {
            QStringList symbols = match.captured(3).split(QLatin1Char(','));
            for (QString &symbol : symbols) {
                symbol = symbol.trimmed();
            }
            return symbols;
        }
    }
    return {};
}

// Later definitions win level by level; a level a definition leaves as NoSymbol keeps the old one.
void merge(QList<XkbSymbols::Symbol> &levels, const QStringList &newer, int depth, bool overriding)
{
    for (qsizetype level = 0; level < newer.size(); ++level) {
        if (level >= levels.size()) {
            levels.append({newer.at(level), depth});
        } else if ((overriding || levels.at(level).keysym == NoSymbol) && newer.at(level) != NoSymbol) {
            levels[level] = {newer.at(level), depth};
        }
    }
}

} // namespace

XkbSymbols::XkbSymbols(const QString &symbolsFolder)
    : folder(symbolsFolder)
{
}

XkbSymbols::Result XkbSymbols::read(const QString &layout) const
{
    Result result;
    if (layout.trimmed().isEmpty()) {
        result.error = QStringLiteral("no layout named");
    }
    for (const QString &part : layout.split(QLatin1Char('+'), Qt::SkipEmptyParts)) {
        if (!readInto(part, result.keys, 0, result.error)) {
            result.keys.clear();
            break;
        }
    }
    return result;
}

XkbSymbols::Result XkbSymbols::parse(const QString &text, const QString &section, const QString &fileName) const
{
    Result result;
    if (!parseInto(text, section, fileName, result.keys, 0, result.error)) {
        result.keys.clear();
    }
    return result;
}

bool XkbSymbols::readInto(const QString &layout, Keys &keys, int depth, QString &error) const
{
    static const QRegularExpression name(QStringLiteral(R"re(^([\w-]+)(?:\(([\w-]+)\))?(?::\d+)?$)re"));
    const QRegularExpressionMatch parts = name.match(layout.trimmed());
    if (!parts.hasMatch()) {
        error = QStringLiteral("\"%1\" is no layout name").arg(layout);
        return false;
    }
    if (depth > MaxIncludeDepth) {
        error = QStringLiteral("\"%1\" includes itself").arg(layout);
        return false;
    }
    const QString fileName = parts.captured(1);
    QFile file(QDir(folder).filePath(fileName));
    if (folder.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("%1 cannot be read: %2").arg(file.fileName(), file.errorString());
        return false;
    }
    return parseInto(QString::fromUtf8(file.readAll()), parts.captured(2), fileName, keys, depth, error);
}

bool XkbSymbols::parseInto(
    const QString &text, const QString &section, const QString &fileName, Keys &keys, int depth, QString &error) const
{
    const QString body = sectionBody(withoutComments(text), section);
    if (body.isNull()) {
        error = QStringLiteral("%1 has no complete section \"%2\"").arg(fileName, section);
        return false;
    }
    static const QRegularExpression statement(QStringLiteral(
        R"re(\b(include|augment|override|replace)\s+"([^"]*)"|\b(replace\s+|augment\s+)?key\s*<(\w+)>\s*\{([^}]*)\})re"));
    for (const QRegularExpressionMatch &match : statement.globalMatch(body)) {
        if (!match.captured(4).isEmpty()) {
            QList<Symbol> &levels = keys[match.captured(4)];
            const QString mode = match.captured(3).trimmed();
            if (mode == u"replace") {
                levels.clear();
            }
            merge(levels, firstGroupSymbols(match.captured(5)), depth, mode != u"augment");
            continue;
        }
        // "a(b)+c(d)" includes one after the other; "|" adds without overriding, treated alike.
        static const QRegularExpression separators(QStringLiteral("[+|]"));
        for (const QString &included : match.captured(2).split(separators, Qt::SkipEmptyParts)) {
            if (!readInto(included, keys, depth + 1, error)) {
                return false;
            }
        }
    }
    return true;
}
