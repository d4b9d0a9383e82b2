#include "FuzzSupport.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

namespace FuzzSupport
{

void ensureGuiApplication()
{
    if (QCoreApplication::instance()) {
        return;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "teclora_fuzz";
    static char *argv[] = {name, nullptr};
    static QGuiApplication application(argc, argv);
}

void fail(const char *what)
{
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

} // namespace FuzzSupport
