// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture_icon.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>

#include "pictures/pictures.h"

namespace {

class PictureIconEngine : public QIconEngine {
 public:
  explicit PictureIconEngine(QString name) : name_(std::move(name)) {}

  void paint(QPainter* p, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    p->drawPixmap(rect, pixmap(rect.size() * p->device()->devicePixelRatio(), mode, state));
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
    if (picture_.isNull()) picture_ = QPixmap::fromImage(pictures::get(name_));
    QPixmap out = picture_.size() == size || picture_.isNull()
                      ? picture_
                      : picture_.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    if (mode == QIcon::Disabled && !out.isNull()) {
      // Greyed like a disabled button face.
      QImage grey = out.toImage().convertToFormat(QImage::Format_ARGB32);
      for (int y = 0; y < grey.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(grey.scanLine(y));
        for (int x = 0; x < grey.width(); ++x) {
          const int g = 128 + qGray(line[x]) / 2;
          line[x] = qRgba(g, g, g, qAlpha(line[x]));
        }
      }
      out = QPixmap::fromImage(grey);
    }
    return out;
  }
  QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }
  QIconEngine* clone() const override { return new PictureIconEngine(name_); }
  QString key() const override { return QStringLiteral("lumeq-picture"); }

 private:
  QString name_;
  QPixmap picture_;
};

}  // namespace

QIcon lazyPictureIcon(const QString& name) { return QIcon(new PictureIconEngine(name)); }
