#pragma once

#include <QString>
#include <QStringList>

// The numbers of the items of the general language file (idiomas/idiomageneral.txt), counted
// from 0. Every window that reads the file names its items through these.
namespace GeneralItems
{

enum Item {
    // The sign-in window's captions.
    RegisteredUser,
    NewUser,
    Unregistered,
    NameCaption,
    ClaveCaption,
    Accept,
    NewNameCaption,
    NewClaveCaption,
    // The sign-in window's messages.
    WrongClave,
    UnknownUser,
    NameTaken,
    NameMissing,
    // Written after the name in the first line of a new history.
    HistorySuffix,
    // The typing window's texts, read in this order into its UiTexts.
    ExitQuestion,
    SaveFailed,
    LanguageFileMissing,
    SpaceKeyName,
    EnterKeyName,
    AccuracyWord,
    // A name that cannot be a file name was refused.
    UnsafeName,
    // The typing window's notices; their Spanish words, for older files, live with its texts.
    ReportNotSaved,
    EditorNotStarted,
    HistoryNotLoaded,
    // Asked of a new learner who chose no digit: the clave the code buttons start with, "%1" in
    // the text, is kept only if they say so.
    DefaultClaveQuestion,
    // The class's server cannot be reached at sign-in; asked whether to go on unregistered.
    ServerAway,
    // Too many wrong claves in a row; "%1" is the seconds the name still waits.
    ClaveWait,
    // Said once in a session when finished drills have to wait on this PC for the server.
    ServerAwayDuringSession,
    ItemCount
};

// The item as the file gives it; for an item that files written before it existed may lack,
// the built-in Spanish text when the file has nothing for it.
QString text(const QStringList &items, Item item);

} // namespace GeneralItems
