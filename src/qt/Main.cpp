#include "Main.h"

#include "BoardDescription.h"

#include <QEvent>
#include <QMouseEvent>
#include <QShortcut>

#include "BitmapFile.h"
#include "Keys.h"
#include "LanguageFace.h"
#include "NameDialog.h"
#include "NameDialogs.h"
#include "SquareCoords.h"
#include "player1.h"
#include "player2.h"
#include "ui_Main.h"

namespace {

std::unique_ptr<Ui::TForm1> BuildLayout(QWidget* form) {
    auto ui = std::make_unique<Ui::TForm1>();
    ui->setupUi(form);
    return ui;
}

// A label that sizes itself to its text keeps its left edge and its height.
void SetAutoSizedText(QLabel& label, const QString& text) {
    label.setText(text);
    label.resize(label.sizeHint().width(), label.height());
}

QString FromGame(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

TForm1::TForm1(const brimblet::UtcClock* clock, const brimblet::Catalogue& texts, QWidget* parent)
    : QWidget(parent), texts_(texts), ui_(BuildLayout(this)),
      game_(*this, clock != nullptr ? *clock : systemClock_, texts.Game()), log_(*ui_->Memo1) {
    connect(ui_->Player1, &QPushButton::clicked, this, &TForm1::Player1Click);
    connect(ui_->Player2, &QPushButton::clicked, this, &TForm1::Player2Click);
    connect(ui_->Restart, &QPushButton::clicked, this, &TForm1::RestartClick);
    connect(ui_->Image2, &PictureBox::clicked, this, &TForm1::Image2Click);
    // The labels the design marks as sizing themselves to their text start at their text's
    // width, which is the font's: the language's face, put in first.
    DrawInLanguageFace(*this, texts);
    for (QLabel* label : findChildren<QLabel*>()) {
        if (label->property("autoSize").toBool()) {
            label->ensurePolished();  // its font comes from the style sheet
            SetAutoSizedText(*label, label->text());
        }
    }
    ui_->Label4->installEventFilter(this);  // the caption throws the die too
    // The key T throws too while this window is active: once a press, however long it is held.
    auto* throwKey = new QShortcut(QKeyCombination(Qt::Key(brimblet::kThrowDieKey)), this);
    throwKey->setContext(Qt::WindowShortcut);
    throwKey->setAutoRepeat(false);
    connect(throwKey, &QShortcut::activated, this, &TForm1::Image2Click);
}

TForm1::~TForm1() = default;

void TForm1::FormCreate() {
    game_.FormCreate();
    assets_.CreateAndLoad([](const char* fileName) {
        return LoadBitmapFile(QString::fromLatin1(fileName));
    });  // SquareCoords is a constant table: complete before any file
    DrawCounters1(game_.State().Position1, game_.State().Position2);
}

void TForm1::SetNameDialogs(TForm2* onePlayer, TForm3* twoPlayers) {
    onePlayerDialog_ = onePlayer;
    twoPlayerDialog_ = twoPlayers;
}

void TForm1::SetNameLabels(const QString& player1, const QString& player2) {
    ui_->Label2->setText(player1);
    ui_->Label3->setText(player2);
}

void TForm1::Player1Click() { game_.Player1Click(); }
void TForm1::Player2Click() { game_.Player2Click(); }
void TForm1::RestartClick() { game_.RestartClick(); }
void TForm1::Image2Click() { game_.Image2Click(); }

void TForm1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) {
        FormShow();
    }
}

void TForm1::FormShow() { ui_->Player1->setFocus(Qt::OtherFocusReason); }

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui_->Label4 && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && ui_->Label4->rect().contains(mouse->pos())) {
            Image2Click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TForm1::ReplaceLog(const std::string& text) { log_.ReplaceAll(FromGame(text)); }
void TForm1::AppendLogLine(const std::string& text) { log_.AppendLine(FromGame(text)); }
void TForm1::ClearLog() { log_.Clear(); }

void TForm1::DrawCounters1(std::int32_t position1, std::int32_t position2) {
    using brimblet::SquareCoords;
    using brimblet::SquarePoint;
    const SquarePoint at1 = SquareCoords.at(static_cast<std::size_t>(position1));
    const SquarePoint at2 = SquareCoords.at(static_cast<std::size_t>(position2));
    ui_->Image1->Draw(assets_.Board(), 0, 0);
    ui_->Image1->Draw(assets_.Counter1(), at1.x, at1.y);
    ui_->Image1->Draw(assets_.Counter2(), at2.x, at2.y);
    SetAutoSizedText(*ui_->position1, QString::number(position1));
    SetAutoSizedText(*ui_->position2, QString::number(position2));
    ui_->Image1->setAccessibleDescription(
        QString::fromStdString(brimblet::BoardDescription(texts_, position1, position2)));
}

void TForm1::ShowDieFace(std::int32_t value) { ui_->Image2->Draw(assets_.DieFace(value), 0, 0); }

std::string TForm1::NameBoxText(brimblet::NameBox box) const {
    switch (box) {
    case brimblet::NameBox::OnePlayerName:
        return onePlayerDialog_ ? onePlayerDialog_->PlayerName().toStdString() : "Player1";
    case brimblet::NameBox::TwoPlayerFirst:
        return twoPlayerDialog_ ? twoPlayerDialog_->FirstName().toStdString() : "Player1";
    case brimblet::NameBox::TwoPlayerSecond:
        return twoPlayerDialog_ ? twoPlayerDialog_->SecondName().toStdString() : "Player2";
    }
    return {};
}

void TForm1::ShowNameDialog(std::int32_t playMode) {
    if (NameDialog* dialog =
            brimblet::NameDialogOf<NameDialog>(playMode, onePlayerDialog_, twoPlayerDialog_)) {
        dialog->ShowInFront();
    }
}
