#include "KeyboardMap.h"

#include "Keysyms.h"

#include <algorithm>
#include <tuple>
#include <vector>

Q_LOGGING_CATEGORY(keyboardLog, "teclora.keyboard")

namespace
{

// The Spain keyboard as the system's files describe it (the PC keys, then "es"), for a system
// without them. The brackets the generic Latin layout also puts on 7 to 0 are left out: the
// guide teaches them where Spain's keyboards print them.
constexpr char16_t BuiltInSpain[] = uR"(xkb_symbols "basic" {
    key <TLDE> { [ masculine, ordfeminine, backslash, backslash ] };
    key <AE01> { [ 1, exclam, bar, exclamdown ] };
    key <AE02> { [ 2, quotedbl, at, oneeighth ] };
    key <AE03> { [ 3, periodcentered, numbersign, sterling ] };
    key <AE04> { [ 4, dollar, asciitilde, dollar ] };
    key <AE05> { [ 5, percent, onehalf, threeeighths ] };
    key <AE06> { [ 6, ampersand, notsign, fiveeighths ] };
    key <AE07> { [ 7, slash, NoSymbol, seveneighths ] };
    key <AE08> { [ 8, parenleft, NoSymbol, trademark ] };
    key <AE09> { [ 9, parenright, NoSymbol, plusminus ] };
    key <AE10> { [ 0, equal, NoSymbol, degree ] };
    key <AE11> { [ apostrophe, question, backslash, questiondown ] };
    key <AE12> { [ exclamdown, questiondown, dead_cedilla, dead_ogonek ] };
    key <AD01> { [ q, Q, at, Greek_OMEGA ] };
    key <AD02> { [ w, W, U017F, section ] };
    key <AD03> { [ e, E, EuroSign, cent ] };
    key <AD04> { [ r, R, paragraph, registered ] };
    key <AD05> { [ t, T, tslash, Tslash ] };
    key <AD06> { [ y, Y, leftarrow, yen ] };
    key <AD07> { [ u, U, downarrow, uparrow ] };
    key <AD08> { [ i, I, rightarrow, idotless ] };
    key <AD09> { [ o, O, oslash, Oslash ] };
    key <AD10> { [ p, P, thorn, THORN ] };
    key <AD11> { [ dead_grave, dead_circumflex, bracketleft, dead_abovering ] };
    key <AD12> { [ plus, asterisk, bracketright, dead_macron ] };
    key <AC01> { [ a, A, ae, AE ] };
    key <AC02> { [ s, S, ssharp, U1E9E ] };
    key <AC03> { [ d, D, eth, ETH ] };
    key <AC04> { [ f, F, dstroke, ordfeminine ] };
    key <AC05> { [ g, G, eng, ENG ] };
    key <AC06> { [ h, H, hstroke, Hstroke ] };
    key <AC07> { [ j, J, dead_hook, dead_horn ] };
    key <AC08> { [ k, K, kra, ampersand ] };
    key <AC09> { [ l, L, lstroke, Lstroke ] };
    key <AC10> { [ ntilde, Ntilde, dead_tilde, dead_doubleacute ] };
    key <AC11> { [ dead_acute, dead_diaeresis, braceleft, dead_caron ] };
    key <BKSL> { [ ccedilla, Ccedilla, braceright, dead_breve ] };
    key <LSGT> { [ less, greater, bar, brokenbar ] };
    key <AB01> { [ z, Z, guillemotleft, less ] };
    key <AB02> { [ x, X, guillemotright, greater ] };
    key <AB03> { [ c, C, cent, copyright ] };
    key <AB04> { [ v, V, doublelowquotemark, singlelowquotemark ] };
    key <AB05> { [ b, B, leftdoublequotemark, leftsinglequotemark ] };
    key <AB06> { [ n, N, rightdoublequotemark, rightsinglequotemark ] };
    key <AB07> { [ m, M, mu, masculine ] };
    key <AB08> { [ comma, semicolon, U2022, multiply ] };
    key <AB09> { [ period, colon, periodcentered, division ] };
    key <AB10> { [ minus, underscore, dead_belowdot, dead_abovedot ] };
    key <SPCE> { [ space ] };
};)";

// The files a layout is made of: the keys every PC has, then the country's.
QString filesOf(KeyboardMap::Layout layout)
{
    return layout == KeyboardMap::Layout::Spain ? QStringLiteral("pc+es") : QStringLiteral("pc+latam");
}

} // namespace

KeyboardMap::KeyboardMap(const XkbSymbols::Keys &keys)
{
    for (const KeyboardKeys::Key &key : KeyboardKeys::keys()) {
        const QList<XkbSymbols::Symbol> levels = keys.value(QLatin1String(key.xkbName));
        for (int level = 0; level < std::min<int>(LevelCount, levels.size()); ++level) {
            const QString &keysym = levels[level].keysym;
            symbols[key.index][level] = {Keysyms::character(keysym), Keysyms::deadAccent(keysym)};
        }
    }
    // Where a character is on several keys, the one with fewer modifiers is taught; then the one
    // the layout itself places over one it inherits (Spain's "[" is AltGr + ` as printed, not the
    // AltGr + 8 of the generic Latin layout below it); then the one higher up and further left.
    struct Candidate {
        Stroke stroke;
        int depth;
        KeyboardKeys::Row row;
        int column;
    };
    std::vector<Candidate> candidates;
    for (const KeyboardKeys::Key &key : KeyboardKeys::keys()) {
        const QList<XkbSymbols::Symbol> levels = keys.value(QLatin1String(key.xkbName));
        for (int level = 0; level < std::min<int>(LevelCount, levels.size()); ++level) {
            candidates.push_back({{key.index, static_cast<Level>(level)}, levels[level].depth, key.row, key.column});
        }
    }
    std::sort(candidates.begin(), candidates.end(), [](const Candidate &a, const Candidate &b) {
        return std::tie(a.stroke.level, a.depth, a.row, a.column) < std::tie(b.stroke.level, b.depth, b.row, b.column);
    });
    for (const Candidate &candidate : candidates) {
        const Symbol &symbol = symbols[candidate.stroke.key][candidate.stroke.level];
        if (symbol.character && !characterKeys.contains(symbol.character)) {
            characterKeys.insert(symbol.character, candidate.stroke);
        }
        if (symbol.deadAccent && !deadKeys.contains(symbol.deadAccent)) {
            deadKeys.insert(symbol.deadAccent, candidate.stroke);
        }
    }
    // The layouts leave these keys to the PC's own description, the same on every layout.
    characterKeys.insert(u' ', {KeyboardKeys::SpaceBar, Plain});
    characterKeys.insert(u'\r', {KeyboardKeys::EnterKey, Plain});
}

KeyboardMap KeyboardMap::load(Layout layout, const QString &symbolsFolder, Layout *actual)
{
    const XkbSymbols::Result read = XkbSymbols(symbolsFolder).read(filesOf(layout));
    if (read.error.isEmpty()) {
        const KeyboardMap map(read.keys);
        // A file that reads but describes no letters is no keyboard to learn on.
        if (map.guideFor(QLatin1Char('a')).key.isKey()) {
            if (actual) {
                *actual = layout;
            }
            return map;
        }
    }
    const QString reason = read.error.isEmpty() ? QStringLiteral("it has no letter keys") : read.error;
    if (actual) {
        *actual = Layout::Spain;
    }
    if (layout == Layout::LatinAmerica) {
        qCWarning(keyboardLog, "The Latin American keyboard cannot be read (%s); the Spain keyboard is shown instead.",
            qUtf8Printable(reason));
        return load(Layout::Spain, symbolsFolder);
    }
    qCWarning(keyboardLog, "The system's Spain keyboard cannot be read (%s); the program's own description is used.",
        qUtf8Printable(reason));
    return builtInSpain();
}

QString KeyboardMap::systemSymbolsFolder()
{
    return QStringLiteral("/usr/share/X11/xkb/symbols");
}

const KeyboardMap &KeyboardMap::builtInSpain()
{
    static const KeyboardMap spain(
        XkbSymbols(QString()).parse(QString::fromUtf16(BuiltInSpain), QString(), QStringLiteral("es")).keys);
    return spain;
}

KeyboardMap::Symbol KeyboardMap::symbol(int key, Level level) const
{
    if (key < 0 || key >= KeyboardKeys::Count || level < 0 || level >= LevelCount) {
        return {};
    }
    return symbols[key][level];
}

KeyboardMap::Guide KeyboardMap::guideFor(QChar character) const
{
    const Stroke own = characterKeys.value(character.unicode());
    if (own.isKey()) {
        return {{}, own};
    }
    // An accented letter without a key of its own is its accent's dead key, then the letter; an
    // accent standing alone is its dead key, then the space bar.
    const QString decomposed = QString(character).normalized(QString::NormalizationForm_D);
    if (decomposed.size() == 2) {
        const Stroke dead = deadKeys.value(decomposed.at(1).unicode());
        const Stroke letter = characterKeys.value(decomposed.at(0).unicode());
        if (dead.isKey() && letter.isKey()) {
            return {dead, letter};
        }
    }
    for (auto accent = deadKeys.cbegin(); accent != deadKeys.cend(); ++accent) {
        if (Keysyms::spacingAccent(accent.key()) == character.unicode()) {
            return {accent.value(), {KeyboardKeys::SpaceBar, Plain}};
        }
    }
    return {};
}

QChar KeyboardMap::typedBy(Stroke stroke) const
{
    return QChar(symbol(stroke.key, stroke.level).character);
}
