#include "PictureBox.h"

#include <QMouseEvent>
#include <QPainter>

#include "BitmapFile.h"

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {}

void PictureBox::setPicture(const QString& resource) {
    design_ = resource;
    surface_ = QImage(BitmapSize(resource), QImage::Format_RGB32);
    designPending_ = !surface_.isNull();
    if (autoSize_ && !surface_.isNull()) {
        resize(surface_.size());
    }
    update();
}

void PictureBox::setCenter(bool center) {
    center_ = center;
    update();
}

void PictureBox::setAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    if (autoSize_ && !surface_.isNull()) {
        resize(surface_.size());
    }
}

void PictureBox::Draw(const QImage* image, int x, int y) {
    if (image == nullptr || image->isNull() || surface_.isNull()) {
        return;
    }
    if (!QRect(QPoint(x, y), image->size()).contains(surface_.rect())) {
        ShowDesign();  // some of it stays in sight around this drawing
    }
    designPending_ = false;
    QPainter painter(&surface_);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(x, y, *image);
    painter.end();
    update(QRect(SurfaceOrigin() + QPoint(x, y), image->size()));
}

void PictureBox::ShowDesign() const {
    if (designPending_) {
        designPending_ = false;
        surface_ = LoadBitmapFile(design_);  // the size the box took from its header
    }
}

const QImage& PictureBox::Surface() const {
    ShowDesign();
    return surface_;
}

QSize PictureBox::sizeHint() const {
    return surface_.isNull() ? QWidget::sizeHint() : surface_.size();
}

QPoint PictureBox::SurfaceOrigin() const {
    if (!center_) {
        return {0, 0};
    }
    return {(width() - surface_.width()) / 2, (height() - surface_.height()) / 2};
}

void PictureBox::paintEvent(QPaintEvent* event) {
    if (surface_.isNull()) {
        return;
    }
    ShowDesign();
    QPainter painter(this);
    painter.setClipRegion(event->region());
    painter.drawImage(SurfaceOrigin(), surface_);
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
}

// Like a button: the click counts when the left button is let go over the box.
void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    const bool click =
        pressed_ && event->button() == Qt::LeftButton && rect().contains(event->pos());
    pressed_ = false;
    if (click) {
        emit clicked();
    }
}
