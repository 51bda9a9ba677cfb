#pragma once

#include <QImage>
#include <QWidget>

#include <memory>

#include "Catalogue.h"
#include "Game.h"
#include "GameAssets.h"
#include "MessageLog.h"
#include "Presentation.h"
#include "UtcClock.h"

namespace Ui {
class TForm1;
}
class TForm2;
class TForm3;

using GameAssets = brimblet::GameAssets<QImage>;

// The main window: board, die, read-outs, message log and the three buttons. It shows the
// game's state and forwards clicks to the game; the rules live in brimblet::Game.
class TForm1 : public QWidget, private brimblet::Presentation {
    Q_OBJECT

public:
    // `clock` drives the die throws; the system's UTC clock when none is given.
    // Its texts are `texts`, which outlives it; those of its design are translated as it is
    // built, through the translator the application installs.
    explicit TForm1(const brimblet::UtcClock* clock = nullptr,
                    const brimblet::Catalogue& texts = brimblet::Catalogue::English(), QWidget* parent = nullptr);
    ~TForm1() override;

    // The creation handler: starting values, then the pictures, then the first redraw.
    // Throws when a picture file is missing or bad; what was done before stays done.
    void FormCreate();

    // The name dialogs whose boxes hold the players' names.
    void SetNameDialogs(TForm2* onePlayer, TForm3* twoPlayers);

    // What the name dialogs' Ok writes.
    void SetNameLabels(const QString& player1, const QString& player2);
    MessageLog& Log() { return log_; }

    const brimblet::Game& GameRules() const { return game_; }
    brimblet::Game& GameRules() { return game_; }
    const GameAssets& Assets() const { return assets_; }

public slots:
    void Player1Click();
    void Player2Click();
    void RestartClick();
    void Image2Click();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormShow();

    // brimblet::Presentation
    void ReplaceLog(const std::string& text) override;
    void AppendLogLine(const std::string& text) override;
    void ClearLog() override;
    void DrawCounters1(std::int32_t position1, std::int32_t position2) override;
    void ShowDieFace(std::int32_t value) override;
    std::string NameBoxText(brimblet::NameBox box) const override;
    void ShowNameDialog(std::int32_t playMode) override;

    const brimblet::Catalogue& texts_;
    std::unique_ptr<Ui::TForm1> ui_;
    brimblet::SystemUtcClock systemClock_;
    brimblet::Game game_;
    GameAssets assets_;
    MessageLog log_;
    TForm2* onePlayerDialog_ = nullptr;
    TForm3* twoPlayerDialog_ = nullptr;
};
