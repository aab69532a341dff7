// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QSvgRenderer>
#include <QWidget>

namespace tessaron {

// A picture stretched to fill its box, drawn from a vector source so that it
// stays sharp at any box size.
class TImage : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString source READ source WRITE setSource)

  public:
    explicit TImage(QWidget* parent = nullptr);

    QString source() const { return source_; }
    void setSource(const QString& source);
    bool hasPicture() const { return renderer_.isValid(); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString source_;
    QSvgRenderer renderer_;
};

}  // namespace tessaron

// The form names the class without its namespace.
using tessaron::TImage;
