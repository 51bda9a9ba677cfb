#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

// A picture box: it owns an off-screen bitmap (the size of its design-time picture) that
// drawing goes into and that it shows on every repaint. Drawing is an opaque, unscaled copy
// at a pixel position, clipped to the bitmap. The design-time picture is decoded only when
// something shows through it: a first drawing that covers the whole bitmap (a picture loaded
// at start-up) makes it unneeded. A click on the box emits clicked().
class PictureBox : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString picture READ picture WRITE setPicture)
    Q_PROPERTY(bool center READ center WRITE setCenter)
    Q_PROPERTY(bool autoSize READ autoSize WRITE setAutoSize)

public:
    explicit PictureBox(QWidget* parent = nullptr);

    // The design-time picture, a BMP file among the built-in resources; it becomes the box's
    // bitmap.
    QString picture() const { return design_; }
    void setPicture(const QString& resource);

    bool center() const { return center_; }
    void setCenter(bool center);
    bool autoSize() const { return autoSize_; }
    void setAutoSize(bool autoSize);

    // Copies `image` into the bitmap with its top-left corner at (x, y). A null image
    // (an empty or never-created bitmap) draws nothing.
    void Draw(const QImage* image, int x, int y);

    const QImage& Surface() const;

    QSize sizeHint() const override;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPoint SurfaceOrigin() const;
    // Puts the design-time picture in, if nothing has covered it yet.
    void ShowDesign() const;

    QString design_;
    mutable bool designPending_ = false;
    mutable QImage surface_;
    bool center_ = false;
    bool autoSize_ = false;
    bool pressed_ = false;
};
