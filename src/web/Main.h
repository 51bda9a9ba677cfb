#pragma once

#include <emscripten/val.h>

#include "Catalogue.h"
#include "Game.h"
#include "GameAssets.h"
#include "MessageLog.h"
#include "PictureBox.h"
#include "PictureFetch.h"
#include "PlainPixels.h"
#include "Presentation.h"
#include "TabSession.h"
#include "UtcClock.h"

class Events;
class TForm2;
class TForm3;

using GameAssets = brimblet::GameAssets<brimblet::Pixels>;

// The main window, laid out by the page: board, die, read-outs, message log and the three
// buttons. It shows the game's state and forwards clicks to the game; the rules live in
// brimblet::Game.
class TForm1 : private brimblet::Presentation {
public:
    // Every text in the language of `texts`, which outlives the window.
    TForm1(Events& events, const brimblet::UtcClock& clock, const brimblet::Catalogue& texts);
    TForm1(const TForm1&) = delete;
    TForm1& operator=(const TForm1&) = delete;

    // The creation handler: starting values, then the pictures, then the first redraw.
    // Throws when a picture file is missing or bad; what was done before stays done.
    void FormCreate(const FetchedPictures& files);

    void SetNameDialogs(TForm2* onePlayer, TForm3* twoPlayers);
    // What the name windows' Ok writes.
    void SetNameLabels(const std::string& player1, const std::string& player2);
    MessageLog& Log() { return log_; }
    const brimblet::Game& GameRules() const { return game_; }

    // What the tab keeps of the window, and the window as an earlier page of the tab left it.
    void Keep(brimblet::TabSession& session) const;
    void Restore(const brimblet::TabSession& session);

    // The window's first showing: visible, and the focus on "1 Player".
    void Show();
    // Makes the window the active one again, when a name window closes.
    void Activate();

    void Player1Click();
    void Player2Click();
    void RestartClick();
    void Image2Click();

private:
    static constexpr double kDesignWidth = 514;  // the main window's client area
    static constexpr double kDesignHeight = 316;

    void FormShow();
    void Fit();
    void KeyDown(emscripten::val event);

    // brimblet::Presentation
    void ReplaceLog(const std::string& text) override;
    void AppendLogLine(const std::string& text) override;
    void ClearLog() override;
    void DrawCounters1(std::int32_t position1, std::int32_t position2) override;
    void ShowDieFace(std::int32_t value) override;
    std::string NameBoxText(brimblet::NameBox box) const override;
    void ShowNameDialog(std::int32_t playMode) override;

    emscripten::val form_;
    PictureBox image1_;
    PictureBox image2_;
    PictureBox image3_;
    PictureBox image4_;
    emscripten::val position1_;  // the read-outs, written at every redraw
    emscripten::val position2_;
    emscripten::val label2_;  // the name labels, read whenever the tab keeps the game
    emscripten::val label3_;
    MessageLog log_;
    const brimblet::Catalogue& texts_;
    brimblet::Game game_;
    GameAssets assets_;
    emscripten::val lastFocus_ = emscripten::val::null();
    bool boardDrawn_ = false;  // by DrawCounters1, since the pictures loaded
    TForm2* onePlayerDialog_ = nullptr;
    TForm3* twoPlayerDialog_ = nullptr;
};
