#include "ui_test_support.h"

#include <qcustomplot.h>
#include <QTabWidget>

#include "ui/resources.h"

namespace tessaron::test {

namespace {

// One application object for the whole test program, made as the program makes
// its own.
class ApplicationEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "ui_tests";
        static char* argv[] = {name, nullptr};
        application_ = std::make_unique<QApplication>(argc, argv);
        setUpApplication();
    }
    void TearDown() override { application_.reset(); }

  private:
    std::unique_ptr<QApplication> application_;
};

[[maybe_unused]] const auto* const environment =
    ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment);

}  // namespace

std::optional<SaveFileAnswer> RecordingDialogs::askSaveFileName(const SaveFileQuestion& question) {
    questions.push_back(question);
    if (whileAsking) {
        whileAsking();
    }
    if (answers.empty()) {
        return std::nullopt;
    }
    SaveFileAnswer next = answers.front();
    answers.pop_front();
    return next;
}

QAction* actionNamed(const QMenu& menu, const QString& text) {
    for (QAction* action : menu.actions()) {
        if (action->text() == text) {
            return action;
        }
    }
    ADD_FAILURE() << "no action " << text.toStdString();
    throw std::runtime_error("missing action");
}

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
