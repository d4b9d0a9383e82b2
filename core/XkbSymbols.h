#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// Reads a keyboard layout from the X keyboard extension's symbols files (the folder every Linux
// desktop keeps its layouts in), so the keyboards drawn and guided here are the ones the system
// types with. Only what the drawing needs is kept: each key's first group, level by level.
class XkbSymbols
{
public:
    struct Symbol {
        QString keysym; // as written: "ntilde", "dead_acute"; "NoSymbol" for none
        // How many includes down it was defined: 0 in the file named, more in what it builds on.
        int depth = 0;
    };
    // Key name without the angle brackets ("AE01", "AC10") to its symbols, one a level: plain,
    // Shift, AltGr, Shift + AltGr. A level nobody defines is "NoSymbol" or missing.
    using Keys = QHash<QString, QList<Symbol>>;

    struct Result {
        Keys keys;
        QString error; // empty when the layout was read
    };

    // symbolsFolder holds the files ("es", "latam", "latin", ...); an empty folder reads no file,
    // so text without includes can still be parsed.
    explicit XkbSymbols(const QString &symbolsFolder);

    // layout: a file with an optional section, "latam" or "es(basic)", without a section the
    // file's default one; several joined with "+" ("pc+es") are read one over the other. Includes are followed, later
    // definitions overriding earlier ones.
    Result read(const QString &layout) const;
    // The same for a file's text in hand, named fileName in messages.
    Result parse(const QString &text, const QString &section, const QString &fileName) const;

private:
    bool readInto(const QString &layout, Keys &keys, int depth, QString &error) const;
    bool parseInto(const QString &text, const QString &section, const QString &fileName, Keys &keys, int depth,
        QString &error) const;

    QString folder;
};
