// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/build/opamp_group.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "studies/engineering_text.h"
#include "studies/termination_fields.h"
#include "ui/build/build_controls.h"
#include "ui/tab_feed/tab_feed.h"

namespace tessaron {
OpAmpGroup::OpAmpGroup(QWidget& parent, const TabFeed& feed, TopologyKind topology)
    : QGroupBox(&parent), feed_(feed), topology_(topology) {
    setObjectName("OpAmpGroup");
    const bool active = hasOpAmp(topology);
    setTitle(active ? "Op-amp" : "Circuit");
    asDesigned_ = new QRadioButton(active ? "Ideal" : "Unloaded sections", this);
    asDesigned_->setObjectName("AsDesigned");
    asDesigned_->setChecked(true);
    asBuilt_ = new QRadioButton(active ? "Real" : "Connected circuit", this);
    asBuilt_->setObjectName("AsBuilt");
    auto* choice = new QButtonGroup(this);
    choice->addButton(asDesigned_);
    choice->addButton(asBuilt_);
    QLabel* words = wrappedLabel(*this, "ModelWords");
    words->setText(active ? "Ideal: infinite gain, as the design assumes (the tab's own curve). "
                            "Real: every stage's op-amp with this gain-bandwidth product, DC "
                            "gain and input capacitance."
                          : "Unloaded sections: each section alone, as if buffered (the tab's "
                            "own curve). Connected circuit: each section loading the one before, "
                            "fed through the source resistance and driving the load, as the "
                            "SPICE netlist always has them.");

    auto* layout = new QGridLayout(this);
    layout->addWidget(asDesigned_, 0, 0);
    layout->addWidget(asBuilt_, 0, 1);
    layout->addWidget(words, 1, 0, 1, 3);
    layout->setColumnStretch(2, 1);
    if (active) {
        addField("Gbw", "GBW", qText(engineeringText(StandardValue{0, 0, kDefaultGbwHz}, "Hz")),
                 readGbwField);
        addField("DcGain", "A0 (dB)", QString::number(kDefaultDcGainDb), readDcGainField);
        addField("InputCapacitance", "Input capacitance (pF)", "0", readInputCapacitanceField);
    } else {
        addField("SourceResistance", "Source", QString::fromUtf8("0 Ω"), readSourceResistanceField);
        addField("LoadResistance", "Load", qText(kOpenLoadText), readLoadResistanceField);
    }
    showProblems();

    const auto enableFields = [this] {
        for (const Field& field : fields_) {
            field.edit->setEnabled(asBuilt_->isChecked());
        }
    };
    enableFields();
    connect(asBuilt_, &QRadioButton::toggled, this, [this, enableFields] {
        enableFields();
        Q_EMIT changed();
    });
}

void OpAmpGroup::addField(const char* name, const QString& label, const QString& text,
                          Reader read) {
    auto* layout = static_cast<QGridLayout*>(this->layout());
    const int row = layout->rowCount();
    auto* edit = new QLineEdit(text, this);
    edit->setObjectName(name);
    QLabel* problem = wrappedLabel(*this, (QByteArray(name) + "Problem").constData());
    layout->addWidget(new QLabel(label, this), row, 0);
    layout->addWidget(edit, row, 1);
    layout->addWidget(problem, row, 2);
    fields_.push_back({edit, problem, read});
    connect(edit, &QLineEdit::textChanged, this, [this] {
        showProblems();
        // An unused field changes nothing that is shown.
        if (asBuilt_->isChecked()) {
            Q_EMIT changed();
        }
    });
}

FieldReading OpAmpGroup::reading(const Field& field) const {
    return field.read(field.edit->text().toStdString(), feed_.decimalSeparator());
}

void OpAmpGroup::showProblems() {
    for (const Field& field : fields_) {
        field.problem->setText(qText(reading(field).problem));
    }
}

ChosenModel OpAmpGroup::model() const {
    CircuitModel model;
    if (asDesigned_->isChecked()) {
        return {model, {}};
    }
    std::vector<double> values;
    for (const Field& field : fields_) {
        const FieldReading r = reading(field);
        if (!r.value) {
            return {std::nullopt, qText(r.problem)};
        }
        values.push_back(*r.value);
    }
    if (hasOpAmp(topology_)) {
        model.opAmp = {OpAmpKind::Real, values[0], values[1], values[2]};
    } else {
        model.loadedSections = true;
        model.termination = {values[0], values[1]};
    }
    return {model, {}};
}

}  // namespace tessaron
