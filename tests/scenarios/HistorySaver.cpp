// Saves a learner's history over and over, alternating between two versions, the way the exit
// button saves it, until it is killed. The kill test starts it and kills it at random moments.
#include "SafeFile.h"

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s history first-version second-version\n", argv[0]);
        return 2;
    }
    const QString history = QString::fromLocal8Bit(argv[1]);
    const QByteArray versions[2]
        = {SafeFile::read(QString::fromLocal8Bit(argv[2])), SafeFile::read(QString::fromLocal8Bit(argv[3]))};
    std::puts("ready");
    std::fflush(stdout);
    for (unsigned long round = 0;; ++round) {
        if (!SafeFile::write(history, versions[round % 2])) {
            return 1;
        }
    }
}
