// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QScrollArea>
#include <QString>
#include <optional>
#include <vector>

#include "engine/topologies.h"
#include "studies/shown_values.h"
#include "ui/schematic/schematic_fit.h"

namespace tessaron {

// The whole cascade drawn with its designators and values, painted afresh
// from the scene on every paint: laid out again whenever the view's size
// changes, so that rows wrap and the drawing fits the view, and scrolled
// when fitting would make its texts too small to read.
class SchematicView : public QScrollArea {
    Q_OBJECT

  public:
    explicit SchematicView(QWidget* parent = nullptr);

    // The drawing of `parts` (one per value of the design, as shown).
    void showDrawing(TopologyKind topology, std::vector<ShownPart> parts);
    // No drawing, and why.
    void showMessage(const QString& text);

    bool hasDrawing() const { return drawing_.has_value(); }
    // What is painted now (only with a drawing) and the font it is measured in.
    const FittedScene& fitted() const { return fitted_; }
    const QFont& sceneFont() const { return font_; }
    const QString& message() const { return message_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    class Canvas;
    struct Drawing {
        TopologyKind topology;
        std::vector<ShownPart> parts;
    };
    void fit();

    Canvas* canvas_;
    std::optional<Drawing> drawing_;
    FittedScene fitted_;
    QFont font_;
    QString message_;
};

}  // namespace tessaron
