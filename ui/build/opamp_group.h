// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QGroupBox>
#include <QString>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/topologies.h"
#include "studies/circuit_model.h"
#include "studies/opamp_model.h"

class QLabel;
class QLineEdit;
class QRadioButton;

namespace tessaron {

class TabFeed;

// The circuit the Build window's curve and band are of, or why there is
// none: the first reason a field gives while the circuit needs it.
struct ChosenModel {
    std::optional<CircuitModel> model;
    QString problem;
};

// "Op-amp" on the active tabs: the ideal op-amp the design assumes, or a real
// one of the GBW, A0 and input capacitance typed in. "Circuit" on the passive
// tab: the sections taken one by one as if buffered, as the tab's own curve
// has them, or connected, each loading the one before, between a source and
// a load resistance. Each field says beside it why its text cannot be used;
// the fields count only with the second choice, so the first is always
// exactly the design's own curve.
class OpAmpGroup : public QGroupBox {
    Q_OBJECT

  public:
    OpAmpGroup(QWidget& parent, const TabFeed& feed, TopologyKind topology);

    ChosenModel model() const;

  Q_SIGNALS:
    void changed();

  private:
    using Reader = FieldReading (*)(std::string_view, std::string_view);
    struct Field {
        QLineEdit* edit;
        QLabel* problem;
        Reader read;
    };

    void addField(const char* name, const QString& label, const QString& text, Reader read);
    FieldReading reading(const Field& field) const;
    void showProblems();

    const TabFeed& feed_;
    TopologyKind topology_;
    QRadioButton* asDesigned_;
    QRadioButton* asBuilt_;
    // GBW, A0 and input capacitance, or source and load.
    std::vector<Field> fields_;
};

}  // namespace tessaron
