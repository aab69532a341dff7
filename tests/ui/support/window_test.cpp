// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/ui/support/window_test.h"

#include <qcustomplot.h>
#include <QTabWidget>

namespace tessaron::test {

void WindowTest::SetUp() {
    window = std::make_unique<TFormMain>();
    window->setDialogs(dialogs);
    window->setDecimalSeparatorSource([] { return QString("."); });
}

QStringList WindowTest::memoLines(const char* memo) const {
    const QString text = named<QPlainTextEdit>(memo).toPlainText();
    return text.isEmpty() ? QStringList{} : text.split('\n');
}

int WindowTest::pointCount(const char* chart) const {
    return named<QCustomPlot>(chart).graph(0)->dataCount();
}

void WindowTest::bringToFront(const FormTab& tab) const {
    named<QTabWidget>("PageControl1").setCurrentWidget(&named<QWidget>(tab.page));
}

void WindowTest::fill(const FormTab& tab, const QStringList& texts) const {
    const auto fields = fieldNames(tab);
    ASSERT_LE(static_cast<std::size_t>(texts.size()), fields.size());
    for (qsizetype i = 0; i < texts.size(); ++i) {
        edit(fields[static_cast<std::size_t>(i)]).setText(texts[i]);
    }
}

}  // namespace tessaron::test
