#pragma once
// The main window's place on the screens of today: its frame, title bar included, is kept
// inside the work area nearest to it, so a position saved on another set of screens, or a
// designed position that a window system reads as the client area's, never leaves the title
// bar out of reach.

#include <QList>
#include <QObject>
#include <QRect>

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

// Watches a top-level window: when it is shown, and at the moves the window system reports
// until it has told the size of the frame, the frame is brought onto the nearest work area.
class ProzorNaEkranu : public QObject {
public:
    explicit ProzorNaEkranu(QWidget* prozor);

protected:
    bool eventFilter(QObject* objekat, QEvent* dogadjaj) override;

private:
    void Provjeri();

    QWidget* prozor_;
    bool okvirPoznat_ = false;
    bool pomjera_ = false;
};

} // namespace nmk::ui
