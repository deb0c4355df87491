// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Projector.h"

#include "platform/SettingsStore.h"

#include <QApplication>
#include <QEvent>
#include <QLayout>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace Projector {

namespace {

int current = 100;
// The environment's own scale factor, put back once the QApplication has it.
bool hadFactor = false;
QByteArray ownFactor;

constexpr char kFactor[] = "QT_SCALE_FACTOR";

// The scroll area of a window that Fit made scroll: the window's only
// control, round a page of the window's design size that holds the others.
// It follows the window: a new size that the window's own code gives it is
// its new design size, bounded again by the room.
class TScroll : public QScrollArea {
public:
    explicit TScroll(QWidget* window) : QScrollArea(window), window_(window) {
        setObjectName(QStringLiteral("projectorScroll"));
        setFrameShape(QFrame::NoFrame);
        viewport()->setBackgroundRole(QPalette::Window);
        page_ = new QWidget;
        page_->setObjectName(QStringLiteral("projectorPage"));
        page_->setAutoFillBackground(window->autoFillBackground());
        design_ = window->size();
        page_->setFixedSize(design_);
        // The keyboard's order through the controls, which moving them to
        // another parent would lose.
        QList<QWidget*> order;
        for (QWidget* w = window->nextInFocusChain(); w && w != window; w = w->nextInFocusChain())
            if (w->window() == window && (w->focusPolicy() & Qt::TabFocus))
                order << w;
        const QObjectList children = window->children();
        for (QObject* o : children) {
            auto* w = qobject_cast<QWidget*>(o);
            if (!w || w == this || w->isWindow())
                continue;
            const QRect place = w->geometry();
            const bool hidden = w->isHidden();
            w->setParent(page_);
            w->setGeometry(place);
            w->setVisible(!hidden);
        }
        setWidget(page_);
        for (qsizetype i = 1; i < order.size(); ++i)
            QWidget::setTabOrder(order[i - 1], order[i]);
        window->installEventFilter(this);
        setGeometry(window->rect());
        show();
    }

    QWidget* Page() const { return page_; }

    void Fit(const QSize& room) {
        Follow();
        room_ = room;
        const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
        bool down = design_.height() > room.height();
        const bool across = design_.width() + (down ? bar : 0) > room.width();
        down = down || (across && design_.height() + bar > room.height());
        bounded_ = QSize(std::min(room.width(), design_.width() + (down ? bar : 0)),
                         std::min(room.height(), design_.height() + (across ? bar : 0)));
        own_ = true;
        window_->setFixedSize(bounded_);
        setGeometry(window_->rect());
        own_ = false;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && event->type() == QEvent::Resize && !own_) {
            if (window_->minimumSize() != bounded_ || window_->maximumSize() != bounded_)
                Fit(room_);
            else
                setGeometry(window_->rect());
        }
        return QScrollArea::eventFilter(watched, event);
    }

private:
    // A fixed size the window's own code gave it is its new design size.
    // Only its limits tell: on a screen scaled by a fraction the window's
    // size comes back rounded to whole pixels of the screen.
    void Follow() {
        const QSize fixed = window_->minimumSize();
        if (own_ || bounded_.isEmpty() || fixed != window_->maximumSize() || fixed == bounded_)
            return;
        design_ = fixed;
        page_->setFixedSize(design_);
    }

    QWidget* window_;
    QWidget* page_;
    QSize design_, room_, bounded_;
    bool own_ = false;
};

TScroll* ScrollOf(const QWidget* window) {
    return window->findChild<TScroll*>(QStringLiteral("projectorScroll"),
                                       Qt::FindDirectChildrenOnly);
}

bool IsFixed(const QWidget* window) {
    return window->minimumSize() == window->maximumSize();
}

// The frame round the window, or the one assumed while it has none.
QMargins FrameOf(const QWidget* window) {
    const QRect frame = window->frameGeometry();
    const QRect client = window->geometry();
    if (frame != client)
        return QMargins(client.left() - frame.left(), client.top() - frame.top(),
                        frame.right() - client.right(), frame.bottom() - client.bottom());
    return AssumedFrame(window->devicePixelRatioF());
}

// Moves the window, frame and all, into its screen's available area where
// it sticks out, its title bar first.
void KeepOnScreen(QWidget* window) {
    if (!window->isVisible() ||
        (window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        return;
    const QScreen* screen = window->screen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QRect frame = window->geometry() + FrameOf(window);
    int dx = 0, dy = 0;
    if (frame.right() > area.right())
        dx = area.right() - frame.right();
    if (frame.left() + dx < area.left())
        dx = area.left() - frame.left();
    if (frame.bottom() > area.bottom())
        dy = area.bottom() - frame.bottom();
    if (frame.top() + dy < area.top())
        dy = area.top() - frame.top();
    if (dx != 0 || dy != 0)
        window->move(window->pos() + QPoint(dx, dy));
}

void Arrange(QWidget* window) {
    if (const QScreen* screen = window->screen())
        Fit(window, Room(screen->availableGeometry().size(), FrameOf(window)));
}

// Fits every window as it is shown, after its own placing, and once more
// when the window manager has put its frame round it.
class TFitter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Show || !watched->isWidgetType())
            return false;
        auto* window = static_cast<QWidget*>(watched);
        const Qt::WindowType type = window->windowType();
        if (!window->isWindow() || (type != Qt::Window && type != Qt::Dialog))
            return false;
        Arrange(window);
        QPointer<QWidget> p(window);
        for (int ms : {0, 400})
            QTimer::singleShot(ms, window, [p] {
                if (p && p->isVisible()) {
                    Arrange(p);
                    KeepOnScreen(p);
                }
            });
        return false;
    }
};

} // namespace

int ValidSize(std::optional<int> stored) {
    if (stored)
        for (int size : kSizes)
            if (*stored == size)
                return size;
    return 100;
}

int StoredSize() {
    return ValidSize(TSettingsStore().ReadNumber(Setting::Projector));
}

int CurrentSize() {
    return current;
}

void Prepare(bool windows) {
    if (!windows)
        return;
    current = StoredSize();
    if (current == 100)
        return;
    hadFactor = qEnvironmentVariableIsSet(kFactor);
    ownFactor = qgetenv(kFactor);
    bool ok = false;
    double factor = ownFactor.toDouble(&ok);
    if (!ok || !(factor > 0))
        factor = 1;
    qputenv(kFactor, QByteArray::number(factor * current / 100.0));
}

void Install() {
    if (current == 100)
        return;
    if (hadFactor)
        qputenv(kFactor, ownFactor);
    else
        qunsetenv(kFactor);
    qApp->installEventFilter(new TFitter(qApp));
}

QSize Room(const QSize& available, const QMargins& frame) {
    return QSize(available.width() - frame.left() - frame.right(),
                 available.height() - frame.top() - frame.bottom());
}

QMargins AssumedFrame(qreal ratio) {
    // A title bar and thin borders, as window managers draw them in the
    // screen's own pixels, whatever the program's scale.
    const auto px = [ratio](int n) { return static_cast<int>(std::ceil(n / ratio)); };
    return QMargins(px(4), px(30), px(4), px(6));
}

bool Fit(QWidget* window, const QSize& room) {
    if (TScroll* scroll = ScrollOf(window)) {
        scroll->Fit(room);
        return true;
    }
    if (QLayout* layout = window->layout()) {
        layout->activate();
        const QSize need = window->minimumSize().expandedTo(window->minimumSizeHint());
        if (window->width() > room.width() || window->height() > room.height())
            window->resize(window->size().boundedTo(room).expandedTo(need));
        return need.width() <= room.width() && need.height() <= room.height();
    }
    if (!IsFixed(window) || (window->width() <= room.width() && window->height() <= room.height()))
        return true;
    (new TScroll(window))->Fit(room);
    return true;
}

QWidget* Page(const QWidget* window) {
    const TScroll* scroll = ScrollOf(window);
    return scroll ? scroll->Page() : nullptr;
}

} // namespace Projector
