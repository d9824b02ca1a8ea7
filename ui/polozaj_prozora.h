#pragma once
// The main window's place on the screens of today: its frame, title bar included, is kept
// inside the work area nearest to it, so a position saved on another set of screens, or a
// designed position that a window system reads as the client area's, never leaves the title
// bar out of reach.

#include <QList>
#include <QObject>
#include <QRect>

class QTimer;
class QWidget;

namespace nmk::ui {

// The work area nearest to `okvir`: the one it overlaps most, else the one closest to it.
// Nothing (an empty rectangle) when there are no work areas.
QRect NajblizaPovrsina(const QRect& okvir, const QList<QRect>& povrsine);

// The frame moved into the work area nearest to it: right and bottom edges first, then the
// left and top ones, so a frame larger than the area keeps its title bar and left edge inside.
QRect OkvirNaEkranu(const QRect& okvir, const QList<QRect>& povrsine);

// The work areas of the screens attached now.
QList<QRect> RadnePovrsine();

// Watches a top-level window: when it is shown it is held on the screens at once, and again
// once the window system has told the size of its frame (checked every few milliseconds, for
// two seconds at most), so that the title bar is on a screen too.
class ProzorNaEkranu : public QObject {
public:
    explicit ProzorNaEkranu(QWidget* prozor);

protected:
    bool eventFilter(QObject* objekat, QEvent* dogadjaj) override;

private:
    void Provjeri();
    void Pomjeri(const QRect& okvir);

    static constexpr int RazmakProvjera = 50; // ms
    static constexpr int BrojProvjera = 40;

    QWidget* prozor_;
    QTimer* tajmer_;
    QRect proslaProvjera_;
    int provjera_ = 0;
    bool gotovo_ = false;
};

} // namespace nmk::ui
