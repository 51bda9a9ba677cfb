#include <QMessageBox>
#include <QTimer>

#include <stdexcept>

#include "ErrorReport.h"
#include "UiTestSupport.h"

using namespace uitest;

namespace {

// A window whose mouse handler fails, as any handler of the program might.
class FailingWidget : public QWidget {
public:
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent*) override {
        ++presses;
        throw std::runtime_error("Something broke.");
    }
};

}  // namespace

class ErrorReportTest : public QObject {
    Q_OBJECT

private slots:
    void boxCarriesTitleTextWithAStopIconAndOneButton() {
        auto box = MakeErrorBox(QStringLiteral("Cannot open file brimb.bmp"));
        QCOMPARE(box->windowTitle(), QStringLiteral("Brimblet"));
        QCOMPARE(box->text(), QStringLiteral("Cannot open file brimb.bmp."));
        QCOMPARE(box->icon(), QMessageBox::Critical);
        QCOMPARE(box->buttons().size(), 1);
        QCOMPARE(box->standardButton(box->buttons().first()), QMessageBox::Ok);
        QCOMPARE(box->windowModality(), Qt::ApplicationModal);
        QCOMPARE(MakeErrorBox(QStringLiteral("Done."))->text(), QStringLiteral("Done.."));
    }

    void shownReportWaitsForOkWithTheOtherWindowsBlocked() {
        PictureFolder folder;
        StartedGame g;
        g.form1().show();
        QString seenText;
        bool mainBlocked = false;
        QTimer::singleShot(50, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box != nullptr);
            seenText = box->text();
            mainBlocked = g.form1().testAttribute(Qt::WA_WState_Visible) &&
                          !QApplication::activeModalWidget()->isAncestorOf(&g.form1()) &&
                          QApplication::activeModalWidget() != &g.form1();
            box->button(QMessageBox::Ok)->click();
        });
        ShowErrorReport(QStringLiteral("Stream read error"));
        QCOMPARE(seenText, QStringLiteral("Stream read error."));
        QVERIFY(mainBlocked);
    }

    void anErrorInAHandlerIsReportedAndTheProgramGoesOn() {
        QStringList errors;
        App().SetErrorReporter([&](const QString& text) { errors << text; });
        FailingWidget widget;
        widget.resize(50, 50);
        widget.show();
        QTest::mousePress(&widget, Qt::LeftButton);
        QTest::mouseRelease(&widget, Qt::LeftButton);
        QTest::mousePress(&widget, Qt::LeftButton);
        QCOMPARE(errors, QStringList({QStringLiteral("Something broke."),
                                      QStringLiteral("Something broke.")}));
        QCOMPARE(widget.presses, 2);
    }

    void aMissingBoardIsReportedThroughTheRealBoxDuringCreation() {
        PictureFolder folder;
        folder.Remove(QStringLiteral("brimb.bmp"));
        App().SetErrorReporter(&ShowErrorReport);
        QString seenText;
        bool anyWindowVisible = true;
        QTimer::singleShot(50, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box != nullptr);
            seenText = box->windowTitle() + QLatin1Char('|') + box->text();
            anyWindowVisible = App().Form1()->isVisible();
            box->button(QMessageBox::Ok)->click();
        });
        App().CreateForms();
        QCOMPARE(seenText, QStringLiteral("Brimblet|Cannot open file brimb.bmp."));
        QVERIFY(!anyWindowVisible);
        QVERIFY(App().Form3() != nullptr);  // start-up went on after the report
        App().DestroyForms();
    }
};

BRIMBLET_UI_TEST_MAIN(ErrorReportTest)
#include "ErrorReportTest.moc"
