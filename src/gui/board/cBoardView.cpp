#include "cBoardView.h"
#include "mText.h"

#include "Game.h"
#include "cFlights.h"
#include "mColors.h"
#include "sgCard.h"
#include "sgPic.h"

#include <QGraphicsScene>
#include <QPainter>
#include <QResizeEvent>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <utility>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace tabloo {

namespace {

// Markers stand below every card; cards are brought to the front one above another.
constexpr qreal kMarkerZ = -10;

} // namespace

cBoardView::cBoardView(QWidget *parent) : QGraphicsView(parent) {
    mScene = new QGraphicsScene(0, 0, kBoardPixelWidth, kBoardPixelHeight, this);
    mFlights = new cFlights(*this);
    connect(mFlights, &cFlights::SoundDue, this, &cBoardView::SoundRequested);
    connect(mFlights, &cFlights::WonDue, this, &cBoardView::GameWonNoticed);
    // A few dozen items that move all the time: a plain list beats a spatial index.
    mScene->setItemIndexMethod(QGraphicsScene::NoIndex);
    setScene(mScene);

    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTransformationAnchor(QGraphicsView::NoAnchor);
    setResizeAnchor(QGraphicsView::NoAnchor);
    setCacheMode(QGraphicsView::CacheNone);
    // Every step repaints the whole board anyway; one full update is cheaper than regions.
    setViewportUpdateMode(QGraphicsView::FullViewportUpdate);
    setOptimizationFlags(QGraphicsView::DontSavePainterState | QGraphicsView::DontAdjustForAntialiasing);
    setRenderHint(QPainter::Antialiasing, false);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAutoFillBackground(false);
    setMinimumSize(1, 1);

    mSettleTimer = new QTimer(this);
    mSettleTimer->setObjectName(QStringLiteral("settleTimer"));
    mSettleTimer->setSingleShot(true);
    mSettleTimer->setInterval(1000);
    connect(mSettleTimer, &QTimer::timeout, this, [this] {
        mPictures.KeepLastRatioOnly();
#ifdef __GLIBC__
        // The freed pictures lie between others in the heap: give their pages back.
        malloc_trim(0);
#endif
    });

    mArtRatio = WantedArtRatio();
    for (int id = 0; id < kCardCount; ++id) {
        auto *card = new sgCard(id, this);
        card->setVisible(false);
        card->setZValue(0);
        mScene->addItem(card);
        mCards[static_cast<std::size_t>(id)] = card;
    }
    FitBoard();
}

cBoardView::~cBoardView() = default;

void cBoardView::SetGame(const Game &game) { mGame = &game; }

void cBoardView::SetBoardColor(quint32 colour) {
    if (colour == mColour)
        return;
    mColour = colour;
    mBackgroundDirty = true;
    viewport()->update();
}

void cBoardView::SetFitToWindow(bool fit) {
    if (fit == mFitToWindow)
        return;
    mFitToWindow = fit;
    FitBoard();
}

void cBoardView::SetFaceLook(cFaceLook look) {
    if (!mPictures.SetFaceLook(look))
        return;
    for (sgCard *card : mCards)
        card->RedrawPicture();
    // The markers look the same in every look, and keep the pictures they hold.
}

qreal cBoardView::WantedArtRatio() const {
    // Card images are rendered at the scale they are shown with, so they stay sharp when
    // the board is drawn smaller or larger.
    return devicePixelRatioF() * mScale;
}

// ---- layout ----

void cBoardView::FitBoard() {
    const int w = qMax(1, viewport()->width()), h = qMax(1, viewport()->height());
    qreal scale = 1.0;
    qreal left;
    if (!mFitToWindow && w >= kBoardPixelWidth && h >= kBoardPixelHeight) {
        // Centred at the top, 20 twips left of the middle, on whole pixels.
        left = std::round(((w - kBoardPixelWidth) * double(kTwipsPerPixel) / 2.0 - 20.0) / kTwipsPerPixel);
    } else {
        scale = std::min(static_cast<qreal>(w) / kBoardPixelWidth, static_cast<qreal>(h) / kBoardPixelHeight);
        if (mFitToWindow)
            // As the board at its own size stands, 20 twips (at the scale shown) left of the
            // middle, on whole pixels: at scale 1 the two are the same board.
            left = std::round(((w - kBoardPixelWidth * scale) * double(kTwipsPerPixel) / 2.0 - 20.0 * scale) /
                              kTwipsPerPixel);
        else
            left = (w - kBoardPixelWidth * scale) / 2.0;
    }
    const bool scaleChanged = !qFuzzyCompare(scale, mScale);
    mScale = scale;
    mOrigin = QPointF(left, 0);
    setTransform(QTransform::fromScale(scale, scale));
    setRenderHint(QPainter::SmoothPixmapTransform, scale != 1.0);
    // The visible part of the scene is exactly the view, with the board at mOrigin.
    setSceneRect(QRectF(-left / scale, 0, w / scale, h / scale));
    horizontalScrollBar()->setValue(horizontalScrollBar()->minimum());
    verticalScrollBar()->setValue(verticalScrollBar()->minimum());

    const qreal ratio = WantedArtRatio();
    if (scaleChanged || !qFuzzyCompare(ratio, mArtRatio)) {
        mArtRatio = ratio;
        for (sgCard *card : mCards)
            card->SetArtRatio(ratio);
        for (auto &[key, marker] : mMarkers)
            marker->SetArtRatio(ratio);
        mSettleTimer->start();
    }
    mBackgroundDirty = true;
    viewport()->update();
}

void cBoardView::resizeEvent(QResizeEvent *event) {
    QGraphicsView::resizeEvent(event);
    FitBoard();
}

void cBoardView::showEvent(QShowEvent *event) {
    QGraphicsView::showEvent(event);
    FitBoard();
}

void cBoardView::wheelEvent(QWheelEvent *event) { event->ignore(); }

void cBoardView::RebuildBackground() {
    const QSize size = viewport()->size();
    const qreal dpr = devicePixelRatioF();
    QPixmap pixmap(qMax(1, qRound(size.width() * dpr)), qMax(1, qRound(size.height() * dpr)));
    pixmap.setDevicePixelRatio(dpr);
    QPainter p(&pixmap);
    // The window's own area shades over its full height, and the board over its own.
    PaintGradient(p, QRectF(0, 0, size.width(), size.height()), mColour, 1);
    const QRectF board(mOrigin.x(), mOrigin.y(), kBoardPixelWidth * mScale, kBoardPixelHeight * mScale);
    p.setClipRect(board);
    PaintGradient(p, board, mColour, 1);
    p.end();
    mBackground = pixmap;
    mBackgroundDirty = false;
}

void cBoardView::drawBackground(QPainter *painter, const QRectF &) {
    if (mBackgroundDirty || mBackground.isNull() ||
        mBackground.deviceIndependentSize().toSize() != viewport()->size() ||
        !qFuzzyCompare(mBackground.devicePixelRatio(), devicePixelRatioF()))
        RebuildBackground();
    const QTransform saved = painter->worldTransform();
    painter->resetTransform();
    painter->drawPixmap(QPointF(0, 0), mBackground);
    painter->setWorldTransform(saved);
}

// ---- controls ----

sgCard *cBoardView::Card(int picId) const {
    if (picId < 0 || picId >= kCardCount)
        return nullptr;
    return mCards[static_cast<std::size_t>(picId)];
}

sgPic *cBoardView::Marker(int cell, int pile) const {
    auto it = mMarkers.find({cell, pile});
    return it == mMarkers.end() ? nullptr : it->second;
}

sgPic *cBoardView::EnsureMarker(int cell, int pile) {
    if (sgPic *marker = Marker(cell, pile))
        return marker;
    auto *marker = new sgPic(mPictures, mArtRatio);
    marker->setVisible(false);
    marker->setZValue(kMarkerZ);
    mScene->addItem(marker);
    mMarkers[{cell, pile}] = marker;
    return marker;
}

bool cBoardView::Flying() const { return mFlights->Busy(); }

void cBoardView::LandFlights() { mFlights->LandAll(); }

void cBoardView::NoteTableChange() {
    if (std::exchange(mTableChangeDue, true))
        return;
    QMetaObject::invokeMethod(
        this,
        [this] {
            mTableChangeDue = false;
            emit TableChanged();
        },
        Qt::QueuedConnection);
}

void cBoardView::LoadControls(std::int16_t homePiles, std::int16_t resPiles) {
    NoteTableChange();
    // Whatever the last board still had to show is of no use on the new one.
    mFlights->Discard();
    for (int p = 0; p < homePiles; ++p)
        EnsureMarker(kHome, p);
    for (int p = 0; p < kGoalPiles; ++p)
        EnsureMarker(kGoal, p);
    for (int p = 0; p < resPiles; ++p)
        EnsureMarker(kReserve, p);
    // A new board shows nothing until the deal places it.
    for (sgCard *card : mCards)
        card->setVisible(false);
    for (auto &[key, marker] : mMarkers)
        marker->setVisible(false);
}

void cBoardView::ClearBoard() {
    NoteTableChange();
    mFlights->Discard();
    for (sgCard *card : mCards)
        card->setVisible(false);
    for (auto &[key, marker] : mMarkers)
        marker->setVisible(false);
    mTopZ = 0;
}

void cBoardView::CardChanged(std::int16_t picId, const cCard &card) {
    // The card takes its new look when it has landed where it is going.
    if (Card(picId))
        mFlights->Look(picId, card);
}

void cBoardView::BringCardToFront(std::int16_t picId) {
    if (Card(picId))
        mFlights->Front(picId);
}

void cBoardView::RaiseCard(int picId) {
    if (sgCard *card = Card(picId))
        card->setZValue(++mTopZ);
}

void cBoardView::HangRiders(int picId, int riding, int left, int top) {
    const cCard &card = mGame->Card(picId);
    for (int i = 1; i <= riding; ++i) {
        const std::int16_t rider = mGame->CardAt(kHome, card.Pile, static_cast<std::int16_t>(card.Pos + i));
        if (rider < 0)
            continue;
        MoveCardTo(rider, left, top + kFanStep * i);
        RaiseCard(rider);
    }
}

void cBoardView::PlaceMarker(std::int16_t cell, std::int16_t pile, std::int16_t x, std::int16_t y, std::int32_t mode) {
    sgPic *marker = EnsureMarker(cell, pile);
    marker->SetMode(mode);
    marker->setPos(double(x) / kTwipsPerPixel, double(y) / kTwipsPerPixel);
    marker->setVisible(true);
}

void cBoardView::TravelCard(std::int16_t picId, std::int16_t x, std::int16_t y, std::int16_t steps, std::int32_t tMod) {
    NoteTableChange();
    if (Card(picId))
        mFlights->Travel(picId, QPointF(x, y), steps, tMod == kDealMove);
}

void cBoardView::PlaySound(std::string_view name) { mFlights->Sound(ToQString(name)); }

void cBoardView::GameWon() { mFlights->Won(); }

void cBoardView::TitleChanged(std::string_view title) { emit TitleRequested(ToQString(title)); }

// ---- pointer play ----

QPoint cBoardView::CardPos(int picId) const {
    const sgCard *card = Card(picId);
    if (!card)
        return {};
    const QPointF p = card->PosTwips();
    return QPoint(static_cast<int>(std::lround(p.x())), static_cast<int>(std::lround(p.y())));
}

void cBoardView::MoveCardTo(int picId, int left, int top) {
    if (sgCard *card = Card(picId))
        card->SetPosTwips(QPointF(left, top));
}

bool cBoardView::CardVisible(int picId) const {
    const sgCard *card = Card(picId);
    return card && card->isVisible();
}

int cBoardView::FrontCardAt(QPointF scenePos) const {
    // The scene lists the items at a point front-most first.
    const QList<QGraphicsItem *> hits = mScene->items(scenePos, Qt::IntersectsItemShape, Qt::DescendingOrder);
    for (QGraphicsItem *item : hits) {
        if (!item->isVisible())
            continue;
        for (const sgCard *card : mCards)
            if (card == item)
                return card->PicID();
    }
    return -1;
}

void cBoardView::CardPointerEvent(PointerKind kind, int picId, QPointF twips) {
    switch (kind) {
    case kPointerPress:
        emit CardPressed(picId, twips.x(), twips.y());
        break;
    case kPointerMove:
        emit CardMoved(picId, twips.x(), twips.y());
        break;
    case kPointerRelease:
        emit CardReleased(picId, twips.x(), twips.y());
        break;
    case kPointerDoubleClick:
        emit CardDoubleClicked(picId);
        break;
    }
}

} // namespace tabloo
