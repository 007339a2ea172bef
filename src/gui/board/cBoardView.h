// The board of the game window: the background gradient, the 52 cards and the pile markers,
// in a scene of board pixels (15 twips to a pixel, 1032 x 747). It is the table view the
// engine drives: cards travel here step by step, one frame per step, on the event loop.
#pragma once

#include "Platform.h"
#include "cPixmapCache.h"

#include <QGraphicsView>
#include <QPixmap>
#include <QTimer>

#include <array>
#include <map>
#include <vector>

namespace tabloo {

class Game;
class cFlights;
class sgCard;
class sgPic;

class cBoardView : public QGraphicsView, public ITableView {
    Q_OBJECT
public:
    static constexpr int kBoardPixelWidth = 1032, kBoardPixelHeight = 747;
    static constexpr int kCardCount = 52;
    enum PointerKind { kPointerPress, kPointerMove, kPointerRelease, kPointerDoubleClick };

    explicit cBoardView(QWidget *parent = nullptr);
    ~cBoardView() override;

    // The game whose cards this board draws (the game is built with the board, so it is
    // handed over afterwards).
    void SetGame(const Game &game);
    // The board at its own size.
    QSize sizeHint() const override { return QSize(kBoardPixelWidth, kBoardPixelHeight); }
    // The background colour, red in the low byte; the board shades from it to black.
    void SetBoardColor(quint32 colour);
    quint32 BoardColor() const { return mColour; }
    // On: the board grows (or shrinks) to the largest size the view holds, keeping its
    // proportions. Off: it stays at its own size and only shrinks to fit a smaller view.
    void SetFitToWindow(bool fit);
    // The look of the faces; a new one redraws every card at once.
    void SetFaceLook(cFaceLook look);

    // The travels still to be shown, and the sounds and won notice between them; their frame
    // interval is 1/60 s, or 0 to land every travel at once (tests, tools).
    cFlights &Flights() { return *mFlights; }
    bool Flying() const;
    // Every travel lands now, so the board shows what the table holds.
    void LandFlights();
    // The pictures of the cards and markers, rendered once per look and scale.
    cPixmapCache &Pictures() { return mPictures; }

    // ---- the engine's table view ----
    void LoadControls(std::int16_t homePiles, std::int16_t resPiles) override;
    void ClearBoard() override;
    void CardChanged(std::int16_t picId, const cCard &card) override;
    void BringCardToFront(std::int16_t picId) override;
    void PlaceMarker(std::int16_t cell, std::int16_t pile, std::int16_t x, std::int16_t y, std::int32_t mode) override;
    void TravelCard(std::int16_t picId, std::int16_t x, std::int16_t y, std::int16_t steps, std::int32_t tMod) override;
    void PlaySound(std::string_view name) override;
    void GameWon() override;
    void TitleChanged(std::string_view title) override;

    // ---- cards for pointer play, in twips on the board ----
    QPoint CardPos(int picId) const;
    void MoveCardTo(int picId, int left, int top);
    // Brings the card to the front now.
    void RaiseCard(int picId);
    // The `riding` cards above a lifted home-pile card hang below it, its left and top given:
    // one fan step apart, each brought to the front.
    void HangRiders(int picId, int riding, int left, int top);
    bool CardVisible(int picId) const;
    // The front-most visible card at a point of the board (board pixels), or -1.
    int FrontCardAt(QPointF scenePos) const;

    sgCard *Card(int picId) const;
    // The marker of pile `pile` of area `cell` (0 home, 3 goal, 4 reserve), or null.
    sgPic *Marker(int cell, int pile) const;
    // How the board stands in the view: its scale (1 or less, unless it fits the window) and
    // its top-left corner in view pixels.
    qreal BoardScale() const { return mScale; }
    QPointF BoardOrigin() const { return mOrigin; }
    // The device pixel ratio card pictures are drawn at.
    qreal ArtRatio() const { return mArtRatio; }

    // Called by the cards: a press, move, release or double-click at (x, y) twips inside
    // card picId.
    void CardPointerEvent(PointerKind kind, int picId, QPointF twips);

signals:
    void CardPressed(int picId, double x, double y);
    void CardMoved(int picId, double x, double y);
    void CardReleased(int picId, double x, double y);
    void CardDoubleClicked(int picId);
    void SoundRequested(const QString &name);
    void GameWonNoticed();
    void TitleRequested(const QString &title);
    // The engine changed the table (a move, an undo, a deal, the end of a game): once, after
    // the change is booked whole.
    void TableChanged();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void drawBackground(QPainter *painter, const QRectF &rect) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    void FitBoard();
    void NoteTableChange();
    void RebuildBackground();
    sgPic *EnsureMarker(int cell, int pile);
    qreal WantedArtRatio() const;

    const Game *mGame = nullptr;
    QGraphicsScene *mScene = nullptr;
    cFlights *mFlights = nullptr;
    cPixmapCache mPictures;
    std::array<sgCard *, kCardCount> mCards{};
    std::map<std::pair<int, int>, sgPic *> mMarkers;
    quint32 mColour = 0x006400; // Darkgreen: red 0, green 100, blue 0
    qreal mScale = 1.0;
    bool mFitToWindow = false;
    QPointF mOrigin;
    qreal mArtRatio = 1.0;
    qreal mTopZ = 0;
    // The whole view's background (the window's gradient with the board's over it), in
    // view pixels; rebuilt only when the colour, the size or the scale changes.
    QPixmap mBackground;
    bool mBackgroundDirty = true;
    bool mTableChangeDue = false;
    // A while after the last change of scale (a resize is over), the pictures of the
    // other scales go.
    QTimer *mSettleTimer = nullptr;
};

} // namespace tabloo
