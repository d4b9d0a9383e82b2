#pragma once

#include "GeneralItems.h"

#include <QStringList>

// The words of the progress window, the weak-key practice and the statistics' messages: items of
// the general language file from FirstItem on, each with a Spanish text of its own for a file
// that does not have it yet.
namespace StatsTexts
{

// They follow the items the other windows read.
constexpr int FirstItem = GeneralItems::ItemCount;

enum Item {
    ProgressButton,
    WindowTitle,
    ChartTitle,
    SpeedSeries,
    AccuracySeries,
    Best,
    Average,
    NoDrillsYet,
    LessonsTitle,
    LessonColumn,
    DrillsColumn,
    BestColumn,
    AverageColumn,
    AccuracyColumn,
    KeysTitle,
    KeyColumn,
    TypedColumn,
    ErrorsColumn,
    InsteadColumn,
    ErrorMapTitle,
    LegendFew,
    LegendMany,
    LegendNoData,
    PracticeButton,
    ExportButton,
    CloseButton,
    ReviewLesson,
    TooLittleData,
    StatsUnavailable,
    Exported,
    ExportFailed,
    KindCase,
    KindAcute,
    KindGrave,
    KindSpace,
    KindDiaeresis,
    KindSign,
    KindOther,
    SpaceKey,
    EnterKey,
    ItemCount
};

// Every item, read from the general file of appDir; an item the file lacks or leaves empty is
// the built-in Spanish one.
QStringList load(const QString &appDir);

// The built-in Spanish items.
QStringList builtIn();

// How a character is named in the tables: the space and the line break by their key's name.
QString characterName(const QStringList &texts, QChar character);

// The name of an error kind (0 to 6, as the hints number them).
QString kindName(const QStringList &texts, int kind);

} // namespace StatsTexts
