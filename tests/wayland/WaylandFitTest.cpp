#include "AppFolder.h"
#include "ControlsInside.h"
#include "MainWindow.h"
#include "RecordingPlatform.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <dlfcn.h>
#include <link.h>
#include <string>
#include <vector>

namespace
{

// Qt ends EGL when the application goes, and Mesa then unloads its driver, before the leak checker
// looks at exit: what the driver still held would be reported as leaked from an unknown module,
// and only on machines whose driver holds something. Every module loaded once the test has run
// stays loaded to the end, so the checker sees what the driver holds as held.
class KeepModulesLoaded : public testing::Environment
{
public:
    void TearDown() override
    {
        std::vector<std::string> modules;
        dl_iterate_phdr(
            [](dl_phdr_info *info, size_t, void *found) {
                if (info->dlpi_name && *info->dlpi_name) {
                    static_cast<std::vector<std::string> *>(found)->emplace_back(info->dlpi_name);
                }
                return 0;
            },
            &modules);
        for (const std::string &module : modules) {
            dlopen(module.c_str(), RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);
        }
    }
};

[[maybe_unused]] const testing::Environment *const keepModulesLoaded
    = testing::AddGlobalTestEnvironment(new KeepModulesLoaded);

} // namespace

// Run by run-under-weston.sh on a headless compositor with a 1920 x 1080 output, whose panel and
// Qt's own title bar both take room from a maximised window.
TEST(Wayland, TheMaximisedWindowAndAllItsControlsLieInsideTheOutput)
{
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("wayland"));
    AppFolder folder;
    folder.writeLanguageFiles(QStringLiteral("Castellano"));
    folder.write(QStringLiteral("Ejercicios/Castellano/01 Uno/1.txt"), QStringLiteral("asdf"));
    RecordingPlatform recording(folder.path());
    MainWindow window(recording.platform, QString());
    window.showMaximized();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ASSERT_TRUE(QTest::qWaitFor([&] {
        return window.windowState().testFlag(Qt::WindowMaximized);
    }));
    // The compositor's size arrives after the first frame; wait until the window has settled.
    QSize settled;
    for (int tries = 0; tries < 50 && settled != window.size(); ++tries) {
        settled = window.size();
        QTest::qWait(100);
    }

    // A Wayland client is never told where its window is, only how large it is: the frame, title
    // bar included, must fit the output.
    const QRect output = window.screen()->geometry();
    EXPECT_TRUE(output.contains(QRect(output.topLeft(), window.frameGeometry().size())))
        << window.frameGeometry().width() << " x " << window.frameGeometry().height() << " in " << output.width()
        << " x " << output.height();
    EXPECT_LT(window.height(), output.height()) << "the frame or panel took nothing";
    expectEveryControlInside(window);
}
