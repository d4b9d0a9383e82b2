#include "BackgroundTiler.h"

#include <QEvent>
#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QWidget>

namespace
{

// Paints the form's tile under each rectangle of a repaint on its own. Qt fills a tiled
// background over the bounding rectangle of the repaint, clipped to it; when two widgets side by
// side repaint together (the key counter and the next character, on every key) those are enough
// rows for its painter to split the fill over a thread pool and wait for it: two threads woken
// and waited for, for a few thousand pixels.
class TilePainter : public QObject
{
public:
    static constexpr const char *Name = "backgroundTilePainter";

    explicit TilePainter(QWidget *form)
        : QObject(form)
    {
        setObjectName(QLatin1String(Name));
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            auto *form = static_cast<QWidget *>(watched);
            // Whatever the window brush has become since: the form paints all of its background.
            const QBrush background = form->palette().window();
            QPainter painter(form);
            for (const QRect &rect : static_cast<QPaintEvent *>(event)->region()) {
                painter.fillRect(rect, background);
            }
        }
        return false;
    }
};

} // namespace

namespace BackgroundTiler
{

void TileBitmap(QWidget &form, const QImage &tile)
{
    if (tile.isNull()) {
        return;
    }
    QPalette palette = form.palette();
    palette.setBrush(QPalette::Window, QBrush(QPixmap::fromImage(tile)));
    form.setPalette(palette);
    // The form paints its background itself, and covers all of it.
    form.setAttribute(Qt::WA_OpaquePaintEvent);
    if (form.findChild<QObject *>(QLatin1String(TilePainter::Name), Qt::FindDirectChildrenOnly) == nullptr) {
        form.installEventFilter(new TilePainter(&form));
    }
}

void tileBackground(QWidget &form, const QString &picturePath)
{
    TileBitmap(form, QImage(picturePath));
}

} // namespace BackgroundTiler
