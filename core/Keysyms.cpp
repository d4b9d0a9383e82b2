#include "Keysyms.h"

#include <QHash>

#include <iterator>
#include <utility>

namespace Keysyms
{

namespace
{

struct Named {
    const char *name;
    char16_t code;
};

// Letters and digits are named by themselves; the other printable ASCII characters by these.
constexpr Named AsciiNames[] = {{"space", u' '}, {"exclam", u'!'}, {"quotedbl", u'"'}, {"numbersign", u'#'},
    {"dollar", u'$'}, {"percent", u'%'}, {"ampersand", u'&'}, {"apostrophe", u'\''}, {"parenleft", u'('},
    {"parenright", u')'}, {"asterisk", u'*'}, {"plus", u'+'}, {"comma", u','}, {"minus", u'-'}, {"period", u'.'},
    {"slash", u'/'}, {"colon", u':'}, {"semicolon", u';'}, {"less", u'<'}, {"equal", u'='}, {"greater", u'>'},
    {"question", u'?'}, {"at", u'@'}, {"bracketleft", u'['}, {"backslash", u'\\'}, {"bracketright", u']'},
    {"asciicircum", u'^'}, {"underscore", u'_'}, {"grave", u'`'}, {"braceleft", u'{'}, {"bar", u'|'},
    {"braceright", u'}'}, {"asciitilde", u'~'}};

// From 0xA0 to 0xFF a keysym's value is the character's code; these are their names in code order.
constexpr const char *Latin1Names[] = {"nobreakspace", "exclamdown", "cent", "sterling", "currency", "yen", "brokenbar",
    "section", "diaeresis", "copyright", "ordfeminine", "guillemotleft", "notsign", "hyphen", "registered", "macron",
    "degree", "plusminus", "twosuperior", "threesuperior", "acute", "mu", "paragraph", "periodcentered", "cedilla",
    "onesuperior", "masculine", "guillemotright", "onequarter", "onehalf", "threequarters", "questiondown", "Agrave",
    "Aacute", "Acircumflex", "Atilde", "Adiaeresis", "Aring", "AE", "Ccedilla", "Egrave", "Eacute", "Ecircumflex",
    "Ediaeresis", "Igrave", "Iacute", "Icircumflex", "Idiaeresis", "ETH", "Ntilde", "Ograve", "Oacute", "Ocircumflex",
    "Otilde", "Odiaeresis", "multiply", "Oslash", "Ugrave", "Uacute", "Ucircumflex", "Udiaeresis", "Yacute", "THORN",
    "ssharp", "agrave", "aacute", "acircumflex", "atilde", "adiaeresis", "aring", "ae", "ccedilla", "egrave", "eacute",
    "ecircumflex", "ediaeresis", "igrave", "iacute", "icircumflex", "idiaeresis", "eth", "ntilde", "ograve", "oacute",
    "ocircumflex", "otilde", "odiaeresis", "division", "oslash", "ugrave", "uacute", "ucircumflex", "udiaeresis",
    "yacute", "thorn", "ydiaeresis"};
static_assert(std::size(Latin1Names) == 0x100 - 0xA0);

// The rest of Windows-1252 that the layouts put on a key, and the older spellings still found.
constexpr Named Others[]
    = {{"EuroSign", u'€'}, {"trademark", u'™'}, {"leftsinglequotemark", u'‘'}, {"rightsinglequotemark", u'’'},
        {"leftdoublequotemark", u'“'}, {"rightdoublequotemark", u'”'}, {"singlelowquotemark", u'‚'},
        {"doublelowquotemark", u'„'}, {"endash", u'–'}, {"emdash", u'—'}, {"ellipsis", u'…'}, {"dagger", u'†'},
        {"doubledagger", u'‡'}, {"permille", u'‰'}, {"OE", u'Œ'}, {"oe", u'œ'}, {"Scaron", u'Š'}, {"scaron", u'š'},
        {"Zcaron", u'Ž'}, {"zcaron", u'ž'}, {"Ydiaeresis", u'Ÿ'}, {"Ooblique", u'Ø'}, {"Eth", u'Ð'}, {"Thorn", u'Þ'}};

constexpr Named DeadKeys[]
    = {{"dead_grave", 0x0300}, {"dead_acute", 0x0301}, {"dead_circumflex", 0x0302}, {"dead_tilde", 0x0303},
        {"dead_macron", 0x0304}, {"dead_breve", 0x0306}, {"dead_abovedot", 0x0307}, {"dead_diaeresis", 0x0308},
        {"dead_hook", 0x0309}, {"dead_abovering", 0x030A}, {"dead_doubleacute", 0x030B}, {"dead_caron", 0x030C},
        {"dead_horn", 0x031B}, {"dead_belowdot", 0x0323}, {"dead_cedilla", 0x0327}, {"dead_ogonek", 0x0328}};

// What a dead key types before a space: its accent standing alone.
constexpr std::pair<char16_t, char16_t> SpacingAccents[]
    = {{0x0300, u'`'}, {0x0301, u'´'}, {0x0302, u'^'}, {0x0303, u'~'}, {0x0304, u'¯'}, {0x0308, u'¨'}, {0x0327, u'¸'}};

const QHash<QString, char16_t> &namedCharacters()
{
    static const QHash<QString, char16_t> names = [] {
        QHash<QString, char16_t> table;
        for (const Named &ascii : AsciiNames) {
            table.insert(QLatin1String(ascii.name), ascii.code);
        }
        for (std::size_t i = 0; i < std::size(Latin1Names); ++i) {
            table.insert(QLatin1String(Latin1Names[i]), static_cast<char16_t>(0xA0 + i));
        }
        for (const Named &other : Others) {
            table.insert(QLatin1String(other.name), other.code);
        }
        return table;
    }();
    return names;
}

// "U20AC" and "0x10020ac" name a character by its code.
char16_t byCode(const QString &name)
{
    bool ok = false;
    uint code = 0;
    if (name.size() > 1 && name.startsWith(QLatin1Char('U'))) {
        code = name.mid(1).toUInt(&ok, 16);
    } else if (name.startsWith(u"0x")) {
        code = name.mid(2).toUInt(&ok, 16);
        code = code >= 0x1000000 ? code - 0x1000000 : (code >= 0x20 && code <= 0xFF ? code : 0);
    }
    return ok && code > 0 && code < 0xFFFF ? static_cast<char16_t>(code) : 0;
}

} // namespace

char16_t character(const QString &name)
{
    if (name.size() == 1 && name.at(0).isLetterOrNumber() && name.at(0).unicode() < 0x80) {
        return name.at(0).unicode();
    }
    const char16_t named = namedCharacters().value(name);
    return named ? named : byCode(name);
}

char16_t deadAccent(const QString &name)
{
    for (const Named &dead : DeadKeys) {
        if (name == QLatin1String(dead.name)) {
            return dead.code;
        }
    }
    return 0;
}

char16_t spacingAccent(char16_t combiningAccent)
{
    for (const auto &[combining, spacing] : SpacingAccents) {
        if (combining == combiningAccent) {
            return spacing;
        }
    }
    return 0;
}

} // namespace Keysyms
