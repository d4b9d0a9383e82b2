#include "FuzzSupport.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

// Runs a fuzz target over every file of the folders (or files) given, so that every input a
// fuzzing run kept is tried again by each build of the tests. A crash or a failed check ends
// the program abnormally; an empty corpus is an error too, as it would test nothing.
int main(int argc, char **argv)
{
    int replayed = 0;
    for (int i = 1; i < argc; ++i) {
        const QString root = QFile::decodeName(argv[i]);
        QStringList files;
        if (QFileInfo(root).isDir()) {
            for (QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
                files.append(it.next());
            }
        } else {
            files.append(root);
        }
        files.sort();
        for (const QString &path : std::as_const(files)) {
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
                return 1;
            }
            const QByteArray input = file.readAll();
            LLVMFuzzerTestOneInput(
                reinterpret_cast<const std::uint8_t *>(input.constData()), static_cast<std::size_t>(input.size()));
            ++replayed;
        }
    }
    std::printf("replayed %d inputs\n", replayed);
    return replayed > 0 ? 0 : 1;
}
