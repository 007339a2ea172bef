// Tabloo: the splash, then the game window on the player's own settings.
#include "cQtSettings.h"
#include "cSlotLocks.h"
#include "cTranslators.h"
#include "frmMain.h"
#include "frmSplash.h"
#include "mAppIcon.h"
#include "mSounds.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>

#include <memory>

#ifdef __GLIBC__
#include <malloc.h>
#endif

int main(int argc, char **argv) {
#ifdef __GLIBC__
    // Large blocks (the board's background, a card image at a large size) are mapped on
    // their own and given back when freed: left to itself the allocator raises this
    // threshold after the first such block is freed, and a window dragged through sizes
    // then leaves its old pictures as holes in the heap (80 MB after 500 sizes, not 60).
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
    QApplication app(argc, argv);
    QApplication::setOrganizationName("Tabloo");
    QApplication::setApplicationName("Tabloo");
    QApplication::setApplicationVersion("3.0");
    QApplication::setDesktopFileName(QStringLiteral(TABLOO_APP_ID));
    // The desktop's language (LANG, LC_ALL, LC_MESSAGES), before any window is made.
    tabloo::cTranslators translators;
    translators.Install(QLocale::system());

    auto *splash = new tabloo::frmSplash;
    splash->show();
    tabloo::cQtSettings settings;
    std::unique_ptr<tabloo::frmMain> window;
    QObject::connect(splash, &tabloo::frmSplash::Finished, [&] {
        // The splash has no frame to show an icon in; the icon is drawn once it is gone.
        QApplication::setWindowIcon(tabloo::mAppIcon::Icon());
        window = std::make_unique<tabloo::frmMain>(settings);
        // A second copy of the game on the same file keeps its own game.
        window->UseSlotLocks(std::make_unique<tabloo::cSlotLocks>(settings.FileName()));
        splash->hide();
        window->Load();
        splash->deleteLater();
    });
    const int status = app.exec();
    // The window is closed and acts no more. A sound still open is closed now, and the
    // sound server is given a moment to answer while the event loop runs, so that its
    // answer never arrives while the program is being taken down.
    if (window && window->sounds().Shutdown()) {
        QEventLoop settle;
        QTimer::singleShot(tabloo::cSounds::kShutdownMs, &settle, &QEventLoop::quit);
        settle.exec();
    }
    window.reset();
    return status;
}
