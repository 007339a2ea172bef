// The game's own help: one page on how to play, the variant settings and the ten build
// orders, autoplay, undo and replay, scoring, players and every command key. It is a window
// of its own beside the game, not a dialog: the player can read and play at once.
#pragma once

#include <QList>
#include <QString>
#include <QWidget>

class QAction;
class QTextBrowser;

namespace tabloo {

class frmHelp : public QWidget {
    Q_OBJECT

public:
    // The key table is made from these commands, so it always shows the keys the menus use.
    explicit frmHelp(const QList<QAction *> &commands, QWidget *parent = nullptr);

    // The whole page as HTML.
    static QString HelpHtml(const QList<QAction *> &commands);

    QTextBrowser *browser() const { return Browser; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QTextBrowser *Browser = nullptr;
};

} // namespace tabloo
