#include "reader/ui/ScanGuard.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QTimer>

#include <algorithm>

namespace qw {

ScanGuard::ScanGuard(QTimer& resizeTimer, std::initializer_list<int> stopKeys, bool dropWaitingKeys)
    : resizeTimer_(resizeTimer), stopKeys_(stopKeys) {
    relayoutPending_ = resizeTimer_.isActive();
    resizeTimer_.stop();
    QCoreApplication::instance()->installEventFilter(this);
    if (dropWaitingKeys) {
        discarding_ = true;
        QCoreApplication::processEvents();
        discarding_ = false;
        clock_.start();
    }
}

ScanGuard::~ScanGuard() {
    QCoreApplication::instance()->removeEventFilter(this);
    if (relayoutPending_)
        resizeTimer_.start();
}

bool ScanGuard::poll(int intervalMs) {
    if (stopKey_ == 0 && (!clock_.isValid() || clock_.elapsed() >= intervalMs)) {
        QCoreApplication::processEvents();
        clock_.start();
    }
    return stopKey_ == 0;
}

bool ScanGuard::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (!discarding_ && stopKey_ == 0 &&
            std::find(stopKeys_.begin(), stopKeys_.end(), key) != stopKeys_.end())
            stopKey_ = key;
        return true;
    }
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
        return true;
    case QEvent::Timer:
        if (watched == &resizeTimer_) {
            resizeTimer_.stop();
            relayoutPending_ = true;
            return true;
        }
        return false;
    default:
        return false;
    }
}

} // namespace qw
