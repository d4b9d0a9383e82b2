#pragma once

#include <QString>
#include <QStringList>

// The two homes of the program's files. A portable folder (the program's own folder holds
// "Ejercicios") keeps everything beside the binary, as a copy on a stick expects. An installed
// program reads what it ships from <prefix>/share/teclora and writes what learners make in their
// own data folder, since nothing beside an installed binary is writable.
class AppHomes
{
public:
    // Decides the homes for a binary in binaryDir; userDataDir is the learner's own data folder,
    // used only when the program is installed.
    static AppHomes locate(const QString &binaryDir, const QString &userDataDir);

    // Whether the shipped data was found at all.
    bool hasData() const;
    bool isPortable() const;
    // Where the shipped data lives: exercises, language files, pictures, sounds.
    QString dataDir() const;
    // Where the learners' files go: Usuarios, Claves, actual.rtf.
    QString userDir() const;
    // The folders that were searched for the shipped data, in the order they were tried.
    QStringList searched() const;
    // Creates the writable home with its two folders of learners' files, so the first
    // registration and the first save find them. False when the home cannot be made.
    bool prepareUserDir() const;
    // What to tell someone who started a program without its data: where it looked.
    QString missingDataMessage() const;

private:
    QString shippedData;
    QString learnersFiles;
    QStringList tried;
    bool portable = false;
};
