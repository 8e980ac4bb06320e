// The widgets need one QApplication for the whole run; tests never show a
// real window (QT_QPA_PLATFORM=offscreen).
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>

namespace {

// A test that replaces or ends a changed field without answering the save
// question itself gets "Verwerfen", so the question can never hang a run.
class SichernVerwerfen : public QObject {
  public:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Show) {
            if (auto* box = qobject_cast<QMessageBox*>(o)) {
                if (QAbstractButton* k = box->button(QMessageBox::Discard)) {
                    QTimer::singleShot(0, k, &QAbstractButton::click);
                }
            }
        }
        return false;
    }
};

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Settings the window keeps (the recent files) go to a test folder.
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    SichernVerwerfen verwerfen;
    app.installEventFilter(&verwerfen);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
