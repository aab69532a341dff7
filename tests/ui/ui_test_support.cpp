#include "ui_test_support.h"

#include <qcustomplot.h>

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

QStringList WindowTest::memoLines(int memo) const {
    const QString text = named<QPlainTextEdit>(QString("Memo%1").arg(memo)).toPlainText();
    return text.isEmpty() ? QStringList{} : text.split('\n');
}

int WindowTest::pointCount(int chart) const {
    return named<QCustomPlot>(QString("Chart%1").arg(chart)).graph(0)->dataCount();
}

}  // namespace tessaron::test
