#include "Mirroring.h"

#include <QEvent>
#include <QWidget>

namespace {

constexpr char kDesignLeft[] = "brimbletDesignLeft";

void PlaceMirrored(QWidget& control) {
    const int left = control.property(kDesignLeft).toInt();
    control.move(control.parentWidget()->width() - left - control.width(), control.y());
}

// Places a control again whenever its width changes.
class MirroredPlaces : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Resize) {
            PlaceMirrored(*static_cast<QWidget*>(watched));
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

void MirrorForLanguage(QWidget& window, const brimblet::Catalogue& texts) {
    if (!texts.RightToLeft()) {
        return;
    }
    auto* places = new MirroredPlaces(&window);
    for (QWidget* control : window.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        control->setProperty(kDesignLeft, control->x());
        control->installEventFilter(places);
        PlaceMirrored(*control);
    }
}
