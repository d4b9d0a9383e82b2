#pragma once

#include "LearnerHistory.h"

#include <QString>

// A learner's history as one RTF file in "Usuarios", written whole at the exit.
class FileHistory : public LearnerHistory
{
public:
    explicit FileHistory(const QString &path);

    Loaded load() override;
    // Nothing to do: the file is written whole at the exit.
    bool append(const QByteArray &piece) override;
    bool save(const QByteArray &whole) override;

private:
    QString path;
};
