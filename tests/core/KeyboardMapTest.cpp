#include "KeyboardMap.h"
#include "Cp1252.h"
#include "Keysyms.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <xkbcommon/xkbcommon.h>

#include <memory>

namespace
{

using Layout = KeyboardMap::Layout;

// Every character the five courses hold, as read from their files.
QString courseCharacters()
{
    QString all;
    const QDir courses(QStringLiteral(TECLORA_DATA_DIR "/Ejercicios"));
    for (const QString &language : courses.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QDir languageDir(courses.filePath(language));
        for (const QString &lesson : languageDir.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            const QDir lessonDir(languageDir.filePath(lesson));
            for (const QString &name : lessonDir.entryList({QStringLiteral("*.txt")}, QDir::Files)) {
                QFile file(lessonDir.filePath(name));
                EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(file.fileName());
                for (const QChar c : Cp1252::decode(file.readAll())) {
                    if (c != u'\n' && !all.contains(c)) {
                        all.append(c);
                    }
                }
            }
        }
    }
    return all;
}

// The keymap the X server itself would make of the layout, compiled by libxkbcommon.
struct XkbKeymap {
    explicit XkbKeymap(const char *layout)
        : context(xkb_context_new(XKB_CONTEXT_NO_FLAGS), xkb_context_unref)
        , keymap(nullptr, xkb_keymap_unref)
    {
        const xkb_rule_names names {"evdev", "pc105", layout, "", ""};
        keymap.reset(xkb_keymap_new_from_names(context.get(), &names, XKB_KEYMAP_COMPILE_NO_FLAGS));
    }
    xkb_keysym_t keysym(int key, int level) const
    {
        const xkb_keycode_t code = xkb_keymap_key_by_name(keymap.get(), KeyboardKeys::keys()[key].xkbName);
        const xkb_keysym_t *syms = nullptr;
        const int count = xkb_keymap_key_get_syms_by_level(keymap.get(), code, 0, level, &syms);
        return count > 0 ? syms[0] : XKB_KEY_NoSymbol;
    }
    // The accent a dead keysym puts on a letter: what the map calls it is checked by name.
    static bool isDead(xkb_keysym_t keysym)
    {
        char name[64];
        return xkb_keysym_get_name(keysym, name, sizeof name) > 0 && QByteArray(name).startsWith("dead_");
    }
    std::unique_ptr<xkb_context, decltype(&xkb_context_unref)> context;
    std::unique_ptr<xkb_keymap, decltype(&xkb_keymap_unref)> keymap;
};

class KeyboardMapAgainstXkb : public ::testing::TestWithParam<std::pair<Layout, const char *>>
{
};

} // namespace

TEST_P(KeyboardMapAgainstXkb, EveryKeyAndEveryCourseCharacterIsWhereXkbPutsIt)
{
    const auto [layout, xkbName] = GetParam();
    Layout actual = Layout::Spain;
    const KeyboardMap map = KeyboardMap::load(layout, KeyboardMap::systemSymbolsFolder(), &actual);
    ASSERT_EQ(actual, layout);
    const XkbKeymap xkb(xkbName);
    ASSERT_TRUE(xkb.keymap);
    for (const KeyboardKeys::Key &key : KeyboardKeys::keys()) {
        for (int level = 0; level < KeyboardMap::LevelCount; ++level) {
            const xkb_keysym_t keysym = xkb.keysym(key.index, level);
            const KeyboardMap::Symbol symbol = map.symbol(key.index, KeyboardMap::Level(level));
            const char32_t typed = xkb_keysym_to_utf32(keysym);
            if (XkbKeymap::isDead(keysym)) {
                EXPECT_NE(symbol.deadAccent, 0) << key.xkbName << " level " << level;
            } else if (typed >= 0x20 && typed < 0x10000 && Cp1252::codeOf(QChar(char16_t(typed))) >= 0) {
                EXPECT_EQ(symbol.character, typed) << key.xkbName << " level " << level;
            }
        }
    }
    for (const QChar c : courseCharacters()) {
        const QChar character = c == u'\r' ? QChar(u' ') : c; // Enter is the PC's, on every layout
        const KeyboardMap::Guide guide = map.guideFor(character);
        ASSERT_TRUE(guide.key.isKey()) << qPrintable(QString(character));
        const char32_t typed = xkb_keysym_to_utf32(xkb.keysym(guide.key.key, guide.key.level));
        if (!guide.deadKey.isKey()) {
            EXPECT_EQ(typed, character.unicode()) << qPrintable(QString(character));
            continue;
        }
        // The dead key's accent on the letter (or alone, before a space) makes the character.
        const xkb_keysym_t dead = xkb.keysym(guide.deadKey.key, guide.deadKey.level);
        EXPECT_TRUE(XkbKeymap::isDead(dead)) << qPrintable(QString(character));
        const QChar accent(map.symbol(guide.deadKey.key, guide.deadKey.level).deadAccent);
        const QString composed = typed == u' '
            ? QString(QChar(Keysyms::spacingAccent(accent.unicode())))
            : QString(QString(QChar(char16_t(typed))) + accent).normalized(QString::NormalizationForm_C);
        EXPECT_EQ(composed, QString(character));
    }
}

INSTANTIATE_TEST_SUITE_P(BothKeyboards, KeyboardMapAgainstXkb,
    ::testing::Values(std::pair(Layout::Spain, "es"), std::pair(Layout::LatinAmerica, "latam")), [](const auto &info) {
        return std::string(info.param.second);
    });

TEST(KeyboardMap, HandCheckedKeysFingersAndModifiers)
{
    struct Row {
        Layout layout;
        char16_t character;
        const char *deadKey; // nullptr for none
        KeyboardMap::Level deadLevel;
        const char *key;
        KeyboardMap::Level level;
        int finger;
    };
    using L = KeyboardMap::Level;
    const Row rows[] = {
        {Layout::LatinAmerica, u'¿', nullptr, L::Plain, "AE12", L::Plain, 0},
        {Layout::LatinAmerica, u'¡', nullptr, L::Plain, "AE12", L::Shift, 0},
        {Layout::LatinAmerica, u'@', nullptr, L::Plain, "AE02", L::AltGr, 6},
        {Layout::LatinAmerica, u'á', "AD11", L::Plain, "AC01", L::Plain, 5},
        {Layout::LatinAmerica, u'Á', "AD11", L::Plain, "AC01", L::Shift, 5},
        {Layout::LatinAmerica, u'ü', "AD11", L::Shift, "AD07", L::Plain, 3},
        {Layout::LatinAmerica, u'ñ', nullptr, L::Plain, "AC10", L::Plain, 0},
        {Layout::LatinAmerica, u'Ñ', nullptr, L::Plain, "AC10", L::Shift, 0},
        {Layout::LatinAmerica, u'ç', "AE12", L::AltGr, "AB03", L::Plain, 7},
        {Layout::LatinAmerica, u'#', nullptr, L::Plain, "AE03", L::Shift, 7},
        {Layout::LatinAmerica, u'`', "BKSL", L::AltGr, "SPCE", L::Plain, KeyboardKeys::EitherThumb},
        {Layout::Spain, u'¿', nullptr, L::Plain, "AE12", L::Shift, 0},
        {Layout::Spain, u'¡', nullptr, L::Plain, "AE12", L::Plain, 0},
        {Layout::Spain, u'@', nullptr, L::Plain, "AE02", L::AltGr, 6},
        {Layout::Spain, u'#', nullptr, L::Plain, "AE03", L::AltGr, 7},
        {Layout::Spain, u'ó', "AC11", L::Plain, "AD09", L::Plain, 1},
        {Layout::Spain, u'É', "AC11", L::Plain, "AD03", L::Shift, 7},
        {Layout::Spain, u'ü', "AC11", L::Shift, "AD07", L::Plain, 3},
        {Layout::Spain, u'ç', nullptr, L::Plain, "BKSL", L::Plain, 0},
        {Layout::Spain, u'º', nullptr, L::Plain, "TLDE", L::Plain, 5},
        {Layout::Spain, u'ª', nullptr, L::Plain, "TLDE", L::Shift, 5},
        {Layout::Spain, u'€', nullptr, L::Plain, "AD03", L::AltGr, 7},
        {Layout::Spain, u'[', nullptr, L::Plain, "AD11", L::AltGr, 0},
        {Layout::Spain, u';', nullptr, L::Plain, "AB08", L::Shift, 2},
        {Layout::Spain, u'\r', nullptr, L::Plain, "RTRN", L::Plain, 0},
        {Layout::Spain, u'\x2603', nullptr, L::Plain, nullptr, L::Plain, 0}, // no key types a snowman
    };
    for (const Row &row : rows) {
        const KeyboardMap map = KeyboardMap::load(row.layout, KeyboardMap::systemSymbolsFolder());
        const KeyboardMap::Guide guide = map.guideFor(QChar(row.character));
        const std::string what = QString(QChar(row.character)).toStdString();
        EXPECT_EQ(guide.deadKey,
            (KeyboardMap::Stroke {
                row.deadKey ? KeyboardKeys::keyNamed(QLatin1String(row.deadKey)) : -1, row.deadLevel}))
            << what;
        EXPECT_EQ(
            guide.key, (KeyboardMap::Stroke {row.key ? KeyboardKeys::keyNamed(QLatin1String(row.key)) : -1, row.level}))
            << what;
        if (row.key) {
            EXPECT_EQ(KeyboardKeys::fingerOf(guide.key.key), row.finger) << what;
        }
    }
}

TEST(KeyboardMap, WithoutTheSystemsFilesTheSpainKeyboardIsShownAsTheSystemWouldHaveIt)
{
    const QTemporaryDir empty;
    Layout actual = Layout::LatinAmerica;
    const KeyboardMap fallback = KeyboardMap::load(Layout::LatinAmerica, empty.path(), &actual);
    EXPECT_EQ(actual, Layout::Spain);
    const KeyboardMap system = KeyboardMap::load(Layout::Spain, KeyboardMap::systemSymbolsFolder());
    for (int code = 0x20; code < 0x100; ++code) {
        const QChar character = Cp1252::decode(QByteArray(1, char(code))).at(0);
        const KeyboardMap::Guide ours = fallback.guideFor(character);
        const KeyboardMap::Guide theirs = system.guideFor(character);
        EXPECT_EQ(ours.key, theirs.key) << code;
        EXPECT_EQ(ours.deadKey, theirs.deadKey) << code;
    }
}

TEST(XkbSymbols, BadFilesGiveAReasonAndNoKeys)
{
    QTemporaryDir folder;
    const auto write = [&](const char *name, const QByteArray &text) {
        QFile file(folder.filePath(QLatin1String(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    };
    write("loop", "default xkb_symbols \"basic\" { include \"loop\" key <AC01> { [ a ] }; };");
    write("broken", "xkb_symbols \"basic\" { key <AC01> { [ a, A ] ");
    write("good",
        "partial xkb_symbols \"other\" { key <AC01> { [ b ] }; };\n"
        "default xkb_symbols \"basic\" { // a comment\n"
        "    key <AC01> { type[Group1] = \"FOUR_LEVEL\", symbols[Group1] = [ a, A, ae, AE ] };\n"
        "    key <AC02> { [ s, S ], [ Cyrillic_es ] };\n};");
    const XkbSymbols symbols(folder.path());
    for (const char *bad : {"loop", "broken", "missing", "good(nosection)", "../good", ""}) {
        const XkbSymbols::Result result = symbols.read(QLatin1String(bad));
        EXPECT_FALSE(result.error.isEmpty()) << bad;
        EXPECT_TRUE(result.keys.isEmpty()) << bad;
    }
    const XkbSymbols::Result good = symbols.read(QStringLiteral("good"));
    EXPECT_TRUE(good.error.isEmpty());
    ASSERT_EQ(good.keys.value(QStringLiteral("AC01")).size(), 4);
    EXPECT_EQ(good.keys.value(QStringLiteral("AC01")).at(2).keysym, QStringLiteral("ae"));
    EXPECT_EQ(good.keys.value(QStringLiteral("AC02")).size(), 2);
    EXPECT_EQ(symbols.read(QStringLiteral("good(other)")).keys.value(QStringLiteral("AC01")).at(0).keysym, u"b");
}
