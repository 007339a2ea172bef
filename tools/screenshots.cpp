// tabloo-screenshots DIR
// Takes the screenshots that the AppStream metainfo names, without a screen and over settings
// in memory: DIR/tabloo-board.png, game 123 a few moves in, and DIR/tabloo-select-game.png,
// the dialog that designs the game.
#include "cBoardView.h"
#include "cMemorySettings.h"
#include "frmMain.h"
#include "frmSelect.h"
#include "mSounds.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QPixmap>

#include <algorithm>
#include <cstdio>

namespace {

bool Save(QWidget &widget, const QDir &dir, const QString &name) {
    QApplication::processEvents();
    const QString path = dir.filePath(name);
    if (widget.grab().save(path))
        return true;
    std::fprintf(stderr, "tabloo-screenshots: cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: tabloo-screenshots DIR\n");
        return 2;
    }
    const QDir dir(args[1]);
    if (!dir.mkpath(".")) {
        std::fprintf(stderr, "tabloo-screenshots: cannot make %s\n", qPrintable(args[1]));
        return 1;
    }

    tabloo::cMemorySettings settings;
    tabloo::frmMain window(settings);
    window.sounds().Output = [](const QString &, const QByteArray &) {};
    bool ok = true;
    window.ExecDialog = [&](QDialog &d) {
        if (!qobject_cast<tabloo::frmSelect *>(&d)) {
            d.reject();
            return int(QDialog::Rejected);
        }
        d.show();
        ok = Save(d, dir, "tabloo-select-game.png") && ok;
        if (auto *play = d.findChild<QAbstractButton *>("cmdPlay"))
            play->click();
        return int(QDialog::Accepted);
    };
    window.Load();

    // Game 123 after a few builds on the tableau, so that the board shows a game under way.
    tabloo::Game &game = window.game();
    game.StartGame(123.0);
    for (int i = 0; i < 4; ++i) {
        const auto moves = game.LegalMoves();
        const auto build = std::find_if(moves.begin(), moves.end(), [&](const tabloo::LegalMove &m) {
            return m.Target.Cell == tabloo::kHome && game.TopPos(tabloo::kHome, m.Target.Pile) >= 0;
        });
        if (build == moves.end())
            break;
        game.PlayMove(build->PicID, build->Target);
    }
    window.board().LandFlights();
    window.UpdateMenuStates();
    window.UpdateToolbarStates();
    window.UpdateDisplays();
    ok = Save(window, dir, "tabloo-board.png") && ok;
    return ok ? 0 : 1;
}
